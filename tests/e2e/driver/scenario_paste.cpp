// Paste end to end: a text copied in the driver's editor comes back into it by a click on the
// top History row; Ctrl+click only copies; a key macro pastes its pieces around a Tab press; the
// rows are the same after a restart. A picture of the called-up window is kept.
#include <windows.h>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/screen_capture.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const std::wstring kUserId = L"ユーザID";
const std::wstring kKeyMacro = L"一つ目<@@KEYIN><@TAB01/>200<@@/KEYIN>二つ目";
constexpr int kValueColumn = 1;

std::optional<std::wstring> clipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void waitForTopRow(HWND list, const std::wstring& value) {
  waitFor("the top History row to show " + quoted(value), kStandardLimitMs, [&] {
    const auto rows = listColumn(list, kValueColumn);
    return !rows.empty() && rows.front() == value;
  });
}

}  // namespace

void runPasteScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"paste") + L"\\";
  TargetWindow editor;
  std::vector<std::wstring> rowsAtExit;
  {
    QuillboxUnderTest quillbox(context.program, dataHome);

    // (a) a click on the top row pastes into the editor that had the focus.
    copyInEditor(quillbox, editor, kUserId);
    HWND list = callUpFromTray(quillbox);
    waitForTopRow(list, kUserId);
    // Painted through before the picture is taken.
    RedrawWindow(quillbox.mainWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::wstring shot = context.scratch + L"\\..\\screenshots\\paste-called-up.bmp";
    expect(saveScreenBitmap(shot), "cannot save the screenshot " + toUtf8(shot));
    noteStep("screenshot " + toUtf8(shot));
    clickRow(list, 0);
    waitFor("the editor to receive " + quoted(kUserId), kStandardLimitMs,
            [&] { return editor.text(0) == kUserId; },
            [&] { return "field: " + quoted(editor.text(0)); });

    // Ctrl+click copies only: the clipboard holds the value, the editor stays as it is.
    editor.clear();
    emptyClipboard();
    focusEditor(quillbox, editor);
    callUpFromTray(quillbox);
    clickRow(list, 0, /*holdingCtrl=*/true);
    waitFor("the clipboard to hold " + quoted(kUserId), kStandardLimitMs,
            [&] { return clipboardText() == kUserId; });
    holdCtrl(false);
    pause(500);  // a paste would have arrived by now
    expect(editor.text(0).empty(), "Ctrl+click pasted " + quoted(editor.text(0)) + " into the editor");

    // (b) a key macro: the first piece, Tab into the next field, the second piece.
    copyInEditor(quillbox, editor, kKeyMacro);
    editor.clear();
    focusEditor(quillbox, editor);
    callUpFromTray(quillbox);
    waitForTopRow(list, kKeyMacro);
    clickRow(list, 0);
    waitFor("both fields to be filled", kStandardLimitMs,
            [&] { return editor.text(0) == L"一つ目" && editor.text(1) == L"二つ目"; },
            [&] { return "fields: " + quoted(editor.text(0)) + ", " + quoted(editor.text(1)); });

    rowsAtExit = listColumn(list, kValueColumn);
    quillbox.closeAndWaitForEnd();
  }
  // (d) the same rows in the same order after a restart.
  QuillboxUnderTest again(context.program, dataHome);
  const HWND list = findListView(again.mainWindow());
  expect(list != nullptr, "the main window has no list after the restart");
  // The program reads the items' contents once it takes texts: the rows fill in a moment later.
  std::vector<std::wstring> rows;
  waitFor("the History rows after the restart", kStandardLimitMs,
          [&] { return (rows = listColumn(list, kValueColumn)) == rowsAtExit; },
          [&] {
            std::string seen;
            for (const auto& row : rows) seen += " [" + toUtf8(row) + "]";
            return "the History rows changed over a restart:" + seen;
          });
  again.closeAndWaitForEnd();
}

}  // namespace qb::e2e
