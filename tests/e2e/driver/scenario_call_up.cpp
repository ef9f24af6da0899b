// Calling the window up from the keyboard: a Shift double tap places it at the caret of the
// driver's editor on the tab of multi hotkey 0, while Shift held calls nothing up; a registered
// Ctrl+Alt+Q calls it up on the Save tab, and the same pair held by the driver already gives the
// registration failure with its text form; "ホットキーの一時停止" silences double taps and edge
// clicks until it is switched off.
#include <windows.h>

#include <cstdlib>

#include "app/shell/shell_commands.h"
#include "tests/e2e/driver/call_up_support.h"
#include "tests/e2e/driver/click_target.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const std::wstring kSaveTab = L"保存";
const std::wstring kRefused =
    L"マルチホットキー登録失敗（ Ctrl+Alt+Q ）　\n"
    L"このホットキーは既に他のアプリケーションで登録済みの可能性があります。　\n"
    L"他の組み合わせに変更してください。　";

// The program follows the window in front every 100 ms: the editor becomes its working document.
void focusEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor) {
  editor.activateFirstField();
  const HWND status = findStatusBar(quillbox.mainWindow());
  expect(status != nullptr, "the main window has no status bar");
  waitFor("the status bar to name the driver's editor", kStandardLimitMs,
          [&] { return statusPaneText(status, 0) == L"作業中文書：貼り付け先の文書"; });
}

std::string rectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

const SettingLines kCtrlAltQ = {{"MultiHotKeyOn1=", "1"},  {"MultiHotKey1_1=", "17"},
                                {"MultiHotKey2_1=", "18"}, {"MultiHotKey3_1=", "81"},
                                {"MultiHotKeyTabKind1=", "2"}};

}  // namespace

void runDoubleTapScenario(const ScenarioContext& context) {
  const std::wstring dataHome =
      dataHomeWithSettings(context, L"double-tap", {{"MultiHotKeyTabKind0=", "2"}});
  TargetWindow editor;
  QuillboxUnderTest quillbox(context.program, dataHome);
  const HWND main = quillbox.mainWindow();
  expect(!isShown(main), "the window is shown at the start in tray mode");
  focusEditor(quillbox, editor);
  const POINT caret = caretOnScreen(editor.field(0));
  noteStep("caret at " + std::to_string(caret.x) + "," + std::to_string(caret.y));

  keyDown(VK_SHIFT);
  pause(1000);
  keyUp(VK_SHIFT);
  pause(600);
  expect(!isShown(main), "Shift held for a second called the window up");

  doubleTapShift();
  waitForShown(main, "a Shift double tap");
  RECT rect{};
  GetWindowRect(main, &rect);
  noteStep("window at " + rectText(rect));
  // Beside the caret (15 px to its right, its current row on the caret's line), or centred
  // under it when that passes the screen's right edge; moved into the screen where needed.
  const bool beside = std::abs(rect.left - (caret.x + 15)) <= 3;
  const bool under = std::abs((rect.left + rect.right) / 2 - caret.x) <= 3;
  expect((beside || under) && caret.y >= rect.top - 30 && caret.y <= rect.bottom,
         "the window at " + rectText(rect) + " is not at the caret " + std::to_string(caret.x) +
             "," + std::to_string(caret.y));
  waitFor("the Save tab to be shown", kStandardLimitMs, [&] { return tabPressed(main, kSaveTab); });
  quillbox.closeAndWaitForEnd();
}

void runModifierHotkeyScenario(const ScenarioContext& context) {
  const std::wstring dataHome = dataHomeWithSettings(context, L"modifier-hotkey", kCtrlAltQ);
  TargetWindow editor;
  {
    QuillboxUnderTest quillbox(context.program, dataHome);
    focusEditor(quillbox, editor);
    pressChord({VK_CONTROL, VK_MENU}, 'Q');
    waitForShown(quillbox.mainWindow(), "Ctrl+Alt+Q");
    waitFor("the Save tab to be shown", kStandardLimitMs,
            [&] { return tabPressed(quillbox.mainWindow(), kSaveTab); });
    quillbox.closeAndWaitForEnd();
  }
  // The driver holds the pair: the program says so at its start, with the pair's text form.
  expect(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'Q') != FALSE,
         "the driver cannot register Ctrl+Alt+Q itself");
  struct Release {
    ~Release() { UnregisterHotKey(nullptr, 1); }
  } release;
  QuillboxUnderTest quillbox(context.program, dataHome);
  HWND box = nullptr;
  waitFor("the registration failure message", kStandardLimitMs, [&] {
    box = findMessageBox(quillbox.process().id(), L"Quillbox");
    return box != nullptr;
  });
  const MessageBoxView view = readMessageBox(box);
  expect(view.text == kRefused, "the message reads " + describe(view));
  pressButton(view, IDOK);
  quillbox.closeAndWaitForEnd();
}

// "ホットキーの一時停止", sent and waited for: the program may still be busy with the rest of its
// start, and a posted command could come after the taps and clicks that follow.
static void togglePause(HWND main) {
  DWORD_PTR result = 0;
  expect(SendMessageTimeoutW(main, WM_COMMAND, shell_command::kSuspendHotkeys, 0, SMTO_NORMAL,
                             kStandardLimitMs, &result) != 0,
         "the program did not take \"ホットキーの一時停止\"");
  pause(100);
}

void runHotkeyPauseScenario(const ScenarioContext& context) {
  const std::wstring dataHome = freshDataHome(context, L"hotkey-pause") + L"\\";
  ClickTarget target({0, 60, 1000, 700});
  QuillboxUnderTest quillbox(context.program, dataHome);
  const HWND main = quillbox.mainWindow();
  target.activate();

  togglePause(main);
  doubleTapShift();
  pause(800);
  expect(!isShown(main), "a double tap called the window up while the hotkeys were paused");
  clickAt({0, 300});
  pause(800);
  expect(!isShown(main), "an edge click called the window up while the hotkeys were paused");
  expect(target.leftDowns() == 1, "the edge click did not reach the window under the pointer");

  togglePause(main);
  target.activate();
  doubleTapShift();
  waitForShown(main, "a double tap once the pause ended");
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
