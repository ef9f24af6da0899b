// Without the tray icon (Tray_Flg 0) the window stays within the user's reach: shown at the
// start with a taskbar button, minimised rather than hidden when let go, restored by a call-up.
// The close box asks the END_MSG question; the placement kept at exit is the window's own, not
// the strip it had while linked to the working window.
#include <windows.h>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/call_up_support.h"
#include "tests/e2e/driver/click_target.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/target_window.h"

namespace qb::e2e {
namespace {

const std::wstring kQuestion = L"終了します。\nよろしいですか。";

bool hasTaskbarButton(HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  return (style & WS_EX_APPWINDOW) && !(style & WS_EX_TOOLWINDOW);
}

MessageBoxView exitQuestion(const QuillboxUnderTest& quillbox) {
  HWND box = nullptr;
  waitFor("the exit question", kStandardLimitMs, [&] {
    box = findMessageBox(quillbox.process().id(), L"Quillbox");
    return box != nullptr;
  });
  MessageBoxView view = readMessageBox(box);
  expect(view.text == kQuestion, "the exit question reads " + describe(view));
  return view;
}

}  // namespace

void runReachableWithoutTrayScenario(const ScenarioContext& context) {
  const std::wstring dataHome = dataHomeWithSettings(
      context, L"reachable", {{"Tray_Flg=", "0"}, {"END_MSG=", "1"}, {"WIN_SIZE_L=", "300"},
                              {"WIN_SIZE_T=", "200"}, {"WIN_SIZE_W=", "420"},
                              {"WIN_SIZE_H=", "360"}});
  ClickTarget target({700, 60, 1200, 700});
  QuillboxUnderTest quillbox(context.program, dataHome);
  const HWND main = quillbox.mainWindow();
  waitForShown(main, "the start without a tray icon");
  expect(hasTaskbarButton(main), "the window has no taskbar button without the tray icon");

  // Let go by a click elsewhere: minimised to its button, not hidden.
  clickAt({1000, 400});
  waitFor("the window to be minimised after a click elsewhere", kStandardLimitMs,
          [&] { return IsIconic(main) != FALSE; });
  expect(IsWindowVisible(main) && hasTaskbarButton(main), "the let-go window lost its button");
  target.activate();
  // A double tap is read from the key state every 10 ms; on a loaded machine a short tap can go
  // unseen, and a user taps again. Up to three double taps, then the usual wait.
  for (int tap = 0; tap < 2; ++tap) {
    doubleTapShift();
    if (pollUntil(3000, [&] { return isShown(main); })) break;
    noteStep("the double tap was not seen; tapping again");
  }
  if (!isShown(main)) doubleTapShift();
  waitForShown(main, "a double tap while minimised");

  // Linked to the working window and closed: the settings keep the unlinked place.
  TargetWindow editor;
  editor.activateFirstField();
  pause(400);  // the working window is taken every 100 ms
  PostMessageW(main, WM_COMMAND, kLinkRightId, 0);
  waitFor("the window to take the linked strip", kStandardLimitMs, [&] {
    RECT rect{};
    GetWindowRect(main, &rect);
    return rect.right - rect.left != 420 || rect.top != 200;
  });

  // The close box asks; No keeps the program, Yes ends it.
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  pressButton(exitQuestion(quillbox), IDNO);
  waitForShown(main, "answering No to the close box's question");
  expect(quillbox.process().isRunning(), "the program ended although No was chosen");
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  pressButton(exitQuestion(quillbox), IDYES);
  quillbox.waitForOrdinaryEnd("answering Yes to the close box's question");
  expect(settingValue(dataHome, "WIN_SIZE_W=") == "420" &&
             settingValue(dataHome, "WIN_SIZE_H=") == "360",
         "the kept size is " + settingValue(dataHome, "WIN_SIZE_W=") + "x" +
             settingValue(dataHome, "WIN_SIZE_H=") + ", not the window's own 420x360");
}

}  // namespace qb::e2e
