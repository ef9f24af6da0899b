// The fixture of the dialog tests: an owner window, a scripted Ui, and a run of a dialog while
// a script drives it from a helper thread.
#pragma once
#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/fake/scripted_ui.h"
#include "tests/win32/dialogs/dialog_driver.h"

namespace qb::test {

class DialogTest : public ::testing::Test {
 protected:
  // Runs `open` (which shows the dialog) while `script` drives it; what `open` returned.
  template <class Open>
  auto drive(DialogDriver::Script script, Open open) {
    DialogDriver driver(std::move(script));
    auto result = open();
    for (const std::string& failure : driver.finish()) ADD_FAILURE() << failure;
    return result;
  }

  HWND owner() const { return owner_.handle(); }

  OwnerWindow owner_;
  ScriptedUi ui_;
};

// The text of a rich-edit control with "\r\n" line breaks.
std::wstring RichTextOf(HWND control);
// The character look of [start, end) of a rich-edit control (the selection moves there).
CHARFORMAT2W RichLookOf(HWND control, long start, long end);
bool IsPartLook(const CHARFORMAT2W& look);  // bold and pure blue throughout
bool IsPlainLook(const CHARFORMAT2W& look);  // neither bold nor blue anywhere

}  // namespace qb::test
