#include "app/shell/call_up_placement.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_clock.h"

namespace qb {
namespace {

constexpr ScreenRect kScreen{0, 0, 1280, 800};
constexpr ScreenRect kUserPlace{100, 100, 400, 500};  // 300 x 400

CallUpInput Hotkey(int placement, std::optional<ScreenRect> working) {
  CallUpInput input;
  input.source = call_up_source::kHotkey;
  input.window = kUserPlace;
  input.hotkeyPlacement = placement;
  input.workingWindow = working;
  input.screen = kScreen;
  return input;
}

CallUpInput Mouse(ScreenPoint cursor, ScreenRect window = kUserPlace) {
  CallUpInput input = Hotkey(0, std::nullopt);
  input.source = call_up_source::kMousePosition;
  input.window = window;
  input.cursor = cursor;
  return input;
}

ScreenRect Target(const CallUpInput& input) { return *PlaceAtCallUp(input, {}).target; }

TEST(CallUpPlacementTest, BottomRightSitsInsideTheWorkingWindowOrItsTopLeftWhereItDoesNotFit) {
  using hotkey_placement::kBottomRight;
  EXPECT_EQ(Target(Hotkey(kBottomRight, ScreenRect{0, 0, 1000, 700})),
            (ScreenRect{678, 269, 978, 669}));
  // Lower than the main window: 10 px below its top edge, still 22 px from its right edge.
  EXPECT_EQ(Target(Hotkey(kBottomRight, ScreenRect{100, 100, 1100, 400})),
            (ScreenRect{778, 110, 1078, 510}));
  EXPECT_EQ(Target(Hotkey(kBottomRight, ScreenRect{50, 50, 250, 300})),
            (ScreenRect{60, 60, 360, 460}));
  // An unreadable working window: centred on the desktop.
  EXPECT_EQ(Target(Hotkey(kBottomRight, std::nullopt)), (ScreenRect{490, 200, 790, 600}));
}

TEST(CallUpPlacementTest, CaretPlacementBesideTheCaretOrUnderItAtTheRightEdge) {
  CallUpInput input = Hotkey(hotkey_placement::kCaret, ScreenRect{0, 0, 1000, 700});
  input.currentRowOffset = 60;
  input.caret = ScreenPoint{965, 300};  // right edge exactly on the screen's: still beside
  EXPECT_EQ(Target(input), (ScreenRect{980, 240, 1280, 640}));
  input.caret = ScreenPoint{966, 300};
  EXPECT_EQ(Target(input), (ScreenRect{816, 325, 1116, 725}));  // centred, 25 px below
  input.caret = ScreenPoint{1270, 300};  // centred under it would pass the edge: clamped
  EXPECT_EQ(Target(input), (ScreenRect{980, 325, 1280, 725}));
  input.caret = ScreenPoint{0, 0};  // no valid caret: centred on the working window
  EXPECT_EQ(Target(input), (ScreenRect{350, 150, 650, 550}));
  input.caret = ScreenPoint{0, 5};
  EXPECT_EQ(Target(input), (ScreenRect{15, 0, 315, 400}));  // valid; the top is clamped
}

TEST(CallUpPlacementTest, WindowsOffScreenComeBackInsideLargeOnesKeepRightAndBottomInside) {
  EXPECT_EQ(Target(Mouse({5, 3})), (ScreenRect{0, 0, 300, 400}));
  EXPECT_EQ(Target(Mouse({1270, 790})), (ScreenRect{980, 400, 1280, 800}));
  EXPECT_EQ(Target(Mouse({600, 300})), (ScreenRect{500, 290, 800, 690}));  // x - W/3, y - 10
  EXPECT_EQ(Target(Mouse({0, 0}, {0, 0, 1500, 900})), (ScreenRect{-220, -100, 1280, 800}));
}

TEST(CallUpPlacementTest, TheKeptRectangleSurvivesRepeatedCallUpsOfTheSameSource) {
  FakeClock clock;
  CallUpPlacement placement;
  CallUpInput input = Hotkey(hotkey_placement::kCentre, ScreenRect{0, 0, 1000, 700});
  input.window = *placement.place(input, clock);  // the window stays where it was put
  input.workingWindow = ScreenRect{200, 0, 1200, 700};
  EXPECT_EQ(*placement.place(input, clock), (ScreenRect{550, 150, 850, 550}));
  EXPECT_EQ(placement.keptRectangle(), kUserPlace);
  // Another source keeps where the window is now; the tray shows it at that place.
  input.source = call_up_source::kTray;
  input.window = ScreenRect{600, 600, 900, 1000};
  EXPECT_EQ(*placement.place(input, clock), (ScreenRect{600, 400, 900, 800}));
  EXPECT_EQ(placement.keptRectangle(), input.window);
  // Always on top or linked: no move, nothing kept, but the time is noted.
  input.alwaysOnTop = true;
  clock.advance(1234);
  EXPECT_FALSE(placement.place(input, clock));
  EXPECT_EQ(placement.lastPlacedAt(), 1234u);
}

}  // namespace
}  // namespace qb
