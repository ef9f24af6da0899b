// The windows of the Save tab's dialogs: "Quillbox＜変更＞" (label and value with its macros in
// blue, the macro popup menu and the separator button) and "Quillbox＜保存＞" (the label).
#pragma once
#include <windows.h>

#include <string>

#include "macros/macro_analyzer.h"
#include "macros/sysdate_store.h"
#include "platform/ui.h"
#include "tabs/save/change_dialog_model.h"
#include "tabs/save/label_input.h"
#include "tabs/save/save_tab.h"

namespace qb {

// What the change dialog's "埋め込みマクロの挿入..." opens the insertion dialog with.
struct MacroTools {
  MacroAnalyzer& analyzer;
  SysdateStore& store;
};

// True on OK, with the label and the value in the model.
bool RunChangeDialog(HWND owner, Ui& ui, const std::wstring& font, ChangeDialogModel& model,
                     MacroTools tools);
// True on OK, with the label in model.result().
bool RunSaveDialog(HWND owner, Ui& ui, const std::wstring& font, SaveDialogModel& model);

// The Save tab's dialogs on the main window.
class Win32SaveTabDialogs : public SaveTabDialogs {
 public:
  Win32SaveTabDialogs(HWND owner, Ui& ui, std::wstring font, MacroTools tools)
      : owner_(owner), ui_(ui), font_(std::move(font)), tools_(tools) {}
  bool runChange(ChangeDialogModel& model) override;
  bool runSave(SaveDialogModel& model) override;
  std::optional<ImportChoice> runImport(std::string_view path) override;
  void showContent(const std::string& value, const std::string& exact) override;

 private:
  HWND owner_;
  Ui& ui_;
  std::wstring font_;
  MacroTools tools_;
};

}  // namespace qb
