#include "tests/e2e/driver/main_window_use.h"

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {

HWND callUpFromTray(const QuillboxUnderTest& quillbox) {
  sendTrayCallback(quillbox.mainWindow(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  waitFor("the main window to be called up", kStandardLimitMs,
          [&] { return IsWindowVisible(quillbox.mainWindow()) != FALSE; });
  const HWND list = findListView(quillbox.mainWindow());
  expect(list != nullptr, "the main window has no list");
  return list;
}

void focusEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor) {
  editor.activateFirstField();
  const HWND status = findStatusBar(quillbox.mainWindow());
  expect(status != nullptr, "the main window has no status bar");
  const std::wstring expected = L"作業中文書：貼り付け先の文書";
  waitFor("the status bar to show " + quoted(expected), kStandardLimitMs,
          [&] { return statusPaneText(status, 0) == expected; });
}

void waitForRows(HWND list, const std::vector<std::wstring>& rows, const std::string& what) {
  constexpr int kValueColumn = 1;
  waitFor(what, kStandardLimitMs, [&] { return listColumn(list, kValueColumn) == rows; },
          [&] {
            const auto shown = listColumn(list, kValueColumn);
            return std::to_string(shown.size()) + " rows" +
                   (shown.empty() ? std::string() : ", first " + quoted(shown.front()));
          });
}

void copyInEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor,
                  const std::wstring& text) {
  const std::wstring folder = quillbox.historyFolder();
  focusEditor(quillbox, editor);
  const auto before = historyFileNames(folder);
  putClipboardText(text);
  waitForNewHistoryItem(folder, before, toShiftJis(text));
}

}  // namespace qb::e2e
