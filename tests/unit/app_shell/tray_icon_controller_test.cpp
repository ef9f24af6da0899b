#include "app/shell/tray_icon_controller.h"

#include <gtest/gtest.h>

#include "tests/unit/app_shell/shell_test_support.h"

namespace qb {
namespace {

class TrayIconTest : public ::testing::Test {
 protected:
  TrayWindowHooks Hooks() {
    TrayWindowHooks hooks;
    hooks.hideWindow = [this] { log.push_back("hide"); };
    hooks.showWindow = [this] { log.push_back("show"); };
    hooks.recordWorkingWindow = [this] { log.push_back("record"); };
    hooks.cursorInNotificationArea = [this] { return cursorInArea; };
    hooks.callUp = [this](int source) { log.push_back("call-up " + std::to_string(source)); };
    hooks.showMainMenu = [this] { log.push_back("menu"); };
    hooks.busy = [this] { return busy; };
    return hooks;
  }

  FakeClock clock;
  RecordingTrayShell shell{clock};
  RecordingTimers timers;
  std::vector<std::string> log;
  bool cursorInArea = true;
  bool busy = false;
  TrayIconController tray{shell, clock, timers, Hooks()};
};

TEST_F(TrayIconTest, TheAddIsTriedSixTimesSevenHundredMillisecondsApartThenGivenUp) {
  shell.refusals = 100;
  tray.setTrayMode(true);
  ASSERT_EQ(shell.calls.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(shell.calls[i].at, 700 * i);
  EXPECT_EQ(clock.milliseconds(), 3500u);  // no wait after the last try
  EXPECT_FALSE(tray.iconPresent());
  tray.flashCapture();  // no icon: nothing to flash, nothing to remove
  tray.setTrayMode(false);
  EXPECT_EQ(shell.calls.size(), 6u);
  EXPECT_TRUE(timers.calls.empty());
  EXPECT_EQ(log, (std::vector<std::string>{"hide", "show"}));
}

TEST_F(TrayIconTest, AtTheStartTheIconWaitsUntilAskedForAndTheWindowIsLeftAlone) {
  tray.startInMode(true);
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(tray.hiddenInTray());
  EXPECT_FALSE(tray.iconPresent());
  tray.addMissingIcon();
  tray.addMissingIcon();
  EXPECT_EQ(shell.calls.size(), 1u);
  EXPECT_TRUE(tray.iconPresent());
  EXPECT_TRUE(log.empty());

  TrayIconController ordinary{shell, clock, timers, Hooks()};
  ordinary.startInMode(false);
  ordinary.addMissingIcon();
  EXPECT_EQ(shell.calls.size(), 1u);
  EXPECT_STREQ(ordinary.trayToggleCaption(), "タスクトレイに格納");
}

TEST_F(TrayIconTest, ToggleSwitchesTheCaptionAndTheRemoveIsTriedThreeTimes) {
  shell.refusals = 2;
  tray.setTrayMode(true);
  EXPECT_EQ(shell.calls.back().at, 1400u);
  EXPECT_TRUE(tray.hiddenInTray());
  EXPECT_STREQ(tray.trayToggleCaption(), "タスクトレイから出す");
  EXPECT_EQ(shell.calls.back().state, (TrayIconState{229, "Quillbox"}));
  shell.calls.clear();
  shell.refusals = 5;
  tray.toggleTrayMode();
  ASSERT_EQ(shell.calls.size(), 3u);
  EXPECT_EQ(shell.calls[2].at - shell.calls[0].at, 200u);
  EXPECT_FALSE(tray.iconPresent());
  EXPECT_STREQ(tray.trayToggleCaption(), "タスクトレイに格納");
}

TEST_F(TrayIconTest, ACaptureFlashesForSevenHundredMillisecondsOnItsOwnTimer) {
  tray.setTrayMode(true);
  tray.setLanPublishing(true);
  EXPECT_EQ(shell.calls.back().state, (TrayIconState{230, "Quillbox 【LAN公開中】"}));
  tray.flashCapture();
  EXPECT_EQ(shell.calls.back().state.image, 261);
  EXPECT_EQ(timers.calls, (std::vector<TimerCall>{{true, frame_timer::kCaptureFlash, 700}}));
  // A capture during the flash makes it last longer without changing the icon again.
  const std::size_t shellCalls = shell.calls.size();
  tray.flashCapture();
  EXPECT_EQ(shell.calls.size(), shellCalls);
  EXPECT_EQ(timers.calls.size(), 2u);
  EXPECT_FALSE(tray.onTimer(frame_timer::kStatusUpkeep));  // the status timer is not the flash's
  EXPECT_TRUE(tray.onTimer(frame_timer::kCaptureFlash));
  EXPECT_FALSE(tray.flashing());
  EXPECT_EQ(shell.calls.back().state.image, 230);
  EXPECT_EQ(timers.calls.back(), (TimerCall{false, frame_timer::kCaptureFlash, 0}));
}

TEST_F(TrayIconTest, HoverRecordsTheWorkingWindowOnceAndClicksWaitWhileBusy) {
  tray.onMouseMessage(tray_mouse::kMove);
  tray.onMouseMessage(tray_mouse::kMove);
  EXPECT_EQ(timers.calls, (std::vector<TimerCall>{{true, frame_timer::kTrayHover, 500}}));
  tray.onTimer(frame_timer::kTrayHover);  // still inside: the mark stays
  EXPECT_TRUE(tray.hoverMark());
  cursorInArea = false;
  tray.onTimer(frame_timer::kTrayHover);
  EXPECT_FALSE(tray.hoverMark());
  EXPECT_EQ(timers.calls.back(), (TimerCall{false, frame_timer::kTrayHover, 0}));
  tray.onMouseMessage(tray_mouse::kMove);
  busy = true;
  tray.onMouseMessage(tray_mouse::kLeftUp);
  busy = false;
  tray.onMouseMessage(tray_mouse::kLeftUp);
  tray.onMouseMessage(tray_mouse::kRightUp);
  EXPECT_EQ(log, (std::vector<std::string>{"record", "record", "call-up 2", "menu"}));
}

}  // namespace
}  // namespace qb
