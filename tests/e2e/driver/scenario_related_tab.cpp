// The first related-files tab end to end: a Shift-JIS file of 6000 lines linked through the file
// dialog shows 5000 rows; the row of line 3 pastes its value; unlinking leaves no file. The linked
// file is never written.
#include <windows.h>

#include <commctrl.h>

#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

const std::wstring kLine3Value = L"よろしくお願いします";

std::string sixThousandLines() {
  std::string text;
  for (int line = 1; line <= 6000; ++line) {
    if (line == 3) {
      text += toShiftJis(L"件名:::" + kLine3Value);
    } else {
      text += toShiftJis(L"行" + std::to_wstring(line) + L":::値" + std::to_wstring(line));
    }
    text += "\r\n";
  }
  return text;
}

// The file dialog: the path typed into its file name field, then OK.
void chooseInFileDialog(DWORD process, const std::wstring& path) {
  HWND dialog = waitForDialog(process, L"Quillbox＜ファイルの関連付け＞");
  HWND field = nullptr;
  waitFor("the file name field of the file dialog", kStandardLimitMs, [&] {
    for (HWND child : childWindows(dialog)) {
      for (HWND inner : childWindows(child)) {
        if (IsWindowVisible(inner) && windowClassName(inner) == L"Edit") field = inner;
      }
      if (IsWindowVisible(child) && windowClassName(child) == L"Edit") field = child;
    }
    return field != nullptr;
  });
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  pressDialogButton(dialog, IDOK);
  waitForDialogGone(dialog);
}

}  // namespace

void runRelatedTabScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"related-tab") + L"\\";
  const std::wstring file = dataHome + L"定型文6000.txt";
  TargetWindow editor;
  QuillboxUnderTest quillbox(context.program, dataHome);
  const std::string lines = sixThousandLines();
  expect(writeFileBytes(file, lines), "cannot write " + toUtf8(file));
  const DWORD process = quillbox.process().id();

  HWND list = callUpFromTray(quillbox);
  chooseTab(quillbox.mainWindow(), L"関連1");
  HWND files = barComboBox(quillbox.mainWindow());
  expect(comboItemText(files, 0) == L" <<関連ﾌｧｲﾙ未設定>>",
         "a tab without a file shows " + quoted(comboItemText(files, 0)));

  // (d) linked through "関連付け▼" → "新しい関連付け...": 5000 rows.
  pressBarButton(quillbox.mainWindow(), L"関連付け▼");
  chooseFromPopupMenu(process, quillbox.windowThreadId(), {L"新しい関連付け..."});
  chooseInFileDialog(process, file);
  waitFor("5000 rows", kStandardLimitMs,
          [&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 5000; },
          [&] { return std::to_string(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) + " rows"; });
  expect(comboItemText(files, 0) == L"定型文6000.txt",
         "the combo box shows " + quoted(comboItemText(files, 0)));
  expect(listColumn(list, 0)[2] == L"件名", "row 3 has the label " + quoted(listColumn(list, 0)[2]));

  // The row of line 3 pastes its value.
  focusEditor(quillbox, editor);
  callUpFromTray(quillbox);
  clickRow(list, 2);
  waitFor("the editor to receive " + quoted(kLine3Value), kStandardLimitMs,
          [&] { return editor.text(0) == kLine3Value; },
          [&] { return "field: " + quoted(editor.text(0)); });

  // Unlinked: no file is linked to the tab any more.
  callUpFromTray(quillbox);
  pressBarButton(quillbox.mainWindow(), L"関連付け▼");
  chooseFromPopupMenu(process, quillbox.windowThreadId(), {L"関連の解除"});
  answerBox(process, L"ファイルとの関連を解除します。よろしいですか。\n\n" + file, IDYES);
  waitFor("the combo box to show no file", kStandardLimitMs,
          [&] { return comboItemText(files, 0) == L" <<関連ﾌｧｲﾙ未設定>>"; },
          [&] { return quoted(comboItemText(files, 0)); });
  expect(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0, "rows are left after the unlink");
  expect(readFileBytes(file) == lines, "the linked file changed");
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
