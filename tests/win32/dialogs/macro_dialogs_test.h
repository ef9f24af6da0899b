// What the tests of "埋め込みマクロ設定" and "日時マクロ定義" share: a date-macro store on the fake
// file system and the virtual clock (Monday 2024-04-01 09:00:00).
#pragma once
#include <string>

#include "app/win32/dialogs/dialog_ids.h"
#include "macros/macro_analyzer.h"
#include "macros/sysdate_editor_model.h"
#include "macros/sysdate_store.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb::test {

class MacroDialogTest : public DialogTest {
 protected:
  std::string stored(const std::string& name) {
    auto content = fs_.readWhole("C:\\data\\macro\\" + name);
    return content.value.value_or("(missing)");
  }
  static int partCommand(const std::string& tag) {
    int command = dialog_ids::kSysdatePartCommand;
    for (const PartMenu& menu : SysdateEditorModel::partMenus()) {
      for (const PartMenuEntry& entry : menu.entries) {
        if (entry.tag == tag) return command;
        ++command;
      }
    }
    return -1;
  }

  FakeClock clock_;
  FakeFileSystem fs_{clock_};
  MacroAnalyzer analyzer_{ui_, clock_};
  SysdateStore store_{fs_, ui_, "C:\\data\\"};
};

// Items of a list box or a combo box.
std::wstring ListItem(HWND list, int index, bool combo);
int ListCount(HWND list, bool combo);
// Replaces the selection [start, end) of a rich-edit control as typing does.
void TypeInto(HWND control, long start, long end, const std::wstring& text);

}  // namespace qb::test
