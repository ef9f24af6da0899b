// The input hooks in another program: a click at the left screen edge calls the window up and
// the window under the pointer never sees the button go down; a click elsewhere lets it go.
// Ctrl + right click shows the plan popup menu with the plans of the current group and swallows
// the button, except while the program shows a message box.
#include <windows.h>

#include "app/shell/shell_commands.h"
#include "tests/e2e/driver/call_up_support.h"
#include "tests/e2e/driver/click_target.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/keyboard.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const RECT kTargetArea{0, 60, 1000, 700};

std::string describe(const std::vector<std::wstring>& texts) {
  std::string all;
  for (const std::wstring& text : texts) all += " [" + toUtf8(text) + "]";
  return all;
}

// Ctrl goes down after the pointer is in place: Wine matches its modifier keys to the X server's
// when the pointer enters a window, which would release a synthetic Ctrl pressed before.
void ctrlRightClick(POINT point) {
  movePointer(point);
  pause(100);
  keyDown(VK_CONTROL);
  pause(50);
  mouseButton(MouseButton::kRight, true);
  pause(50);
  mouseButton(MouseButton::kRight, false);
}

}  // namespace

void runEdgeClickScenario(const ScenarioContext& context) {
  const std::wstring dataHome = freshDataHome(context, L"edge-click") + L"\\";
  ClickTarget target(kTargetArea);
  QuillboxUnderTest quillbox(context.program, dataHome);
  const HWND main = quillbox.mainWindow();
  expect(!isShown(main), "the window is shown at the start in tray mode");

  clickAt({0, 300});
  waitForShown(main, "a click at the left screen edge");
  // The call-up is complete once the window is in front.
  waitFor("the main window to come to the front", kStandardLimitMs,
          [&] { return GetForegroundWindow() == main; });
  pause(300);
  expect(target.leftDowns() == 0,
         "the window under the pointer received " + std::to_string(target.leftDowns()) +
             " button-down(s) of the edge click");

  RECT shown{};
  GetWindowRect(main, &shown);
  clickAt(pointOutside(kTargetArea, shown));
  waitFor("the window to be let go after a click elsewhere", kStandardLimitMs,
          [&] { return !IsWindowVisible(main); });
  waitFor("the click elsewhere to reach the window under it", kStandardLimitMs,
          [&] { return target.leftDowns() == 1; });
  quillbox.closeAndWaitForEnd();
}

void runPlanMenuScenario(const ScenarioContext& context) {
  // A data home of this release (no first start: no standard plans are installed).
  const std::wstring dataHome = dataHomeWithSetting(context, L"plan-menu", "VL=", "V3.34");
  putPlanFile(dataHome, 2, L"PLAN001.cln", "括弧で括る");
  pause(1100);  // the group's order is the Plan tab's: newest first
  putPlanFile(dataHome, 2, L"PLAN002.cln", "日付を付ける");
  putPlanFile(dataHome, 0, L"PLAN001.cln", "別のグループ");
  ClickTarget target(kTargetArea);
  QuillboxUnderTest quillbox(context.program, dataHome);

  target.activate();
  ctrlRightClick({400, 300});
  HWND menu = nullptr;
  waitFor("the plan popup menu over the driver's window", kStandardLimitMs,
          [&] { return (menu = ownPopupMenuWindow()) != nullptr; });
  keyUp(VK_CONTROL);
  const std::vector<std::wstring> texts = ownMenuTexts(menu);
  const std::vector<std::wstring> expected = {L"プラングループ切り換え", L"-", L"日付を付ける",
                                              L"括弧で括る"};
  expect(texts == expected, "the plan menu shows" + describe(texts));
  pressKey(VK_ESCAPE);
  if (!pollUntil(3000, [] { return ownPopupMenuWindow() == nullptr; })) {
    PostMessageW(target.window(), WM_CANCELMODE, 0, 0);
  }
  waitFor("the plan menu to close", kStandardLimitMs, [] { return ownPopupMenuWindow() == nullptr; });
  expect(target.rightDowns() == 0, "the driver's window received the right button-down");

  // While the program shows a message box the click is the application's.
  PostMessageW(quillbox.mainWindow(), WM_COMMAND, shell_command::kAbout, 0);
  HWND box = nullptr;
  waitFor("the program's message box", kStandardLimitMs, [&] {
    box = findMessageBox(quillbox.process().id(), L"Quillbox");
    return box != nullptr;
  });
  target.resetCounts();
  ctrlRightClick({400, 300});
  keyUp(VK_CONTROL);
  waitFor("the right button-down to reach the driver's window", kStandardLimitMs,
          [&] { return target.rightDowns() == 1; });
  pause(500);
  expect(ownPopupMenuWindow() == nullptr, "the plan menu came up while the program was busy");
  pressButton(readMessageBox(box), IDOK);
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
