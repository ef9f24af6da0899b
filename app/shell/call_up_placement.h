// Where the main window goes when it is called up.
//
// The main window calls `CallUpPlacement::place()` at every call-up (tray click, hotkey, mouse
// gesture, hook report) with what it reads from the desktop, moves itself to `target` when there
// is one, shows itself and raises itself to the topmost band. The placement time it records is
// what the clipboard writer's 250 ms guard compares against (`lastPlacedAt()`).
#pragma once
#include <cstdint>
#include <optional>

#include "platform/clock.h"
#include "platform/desktop.h"

namespace qb {

// The kind of a call-up. 4 and 5 are the two mouse-position call-ups of the hook library.
namespace call_up_source {
inline constexpr int kTray = 2;
inline constexpr int kHotkey = 3;
inline constexpr int kMousePosition = 4;
inline constexpr int kMousePositionAlternate = 5;
}  // namespace call_up_source

// `AutoDspWin_HotKey_Bs`: where a hotkey call-up puts the window.
namespace hotkey_placement {
inline constexpr int kCentre = 1;       // "中央"
inline constexpr int kBottomRight = 2;  // "右下"
inline constexpr int kCaret = 3;        // "ｷｬﾚｯﾄ"
}  // namespace hotkey_placement

// For sources 3 and 4 the window records the working window's focus and caret first.
inline bool CallUpRecordsFocus(int source) {
  return source == call_up_source::kHotkey || source == call_up_source::kMousePosition;
}

// A caret counts unless both its coordinates are 0 or less.
inline bool IsValidCaret(const std::optional<ScreenPoint>& caret) {
  return caret && (caret->x > 0 || caret->y > 0);
}

struct CallUpInput {
  int source = 0;
  ScreenRect window;  // the main window's rectangle now
  bool alwaysOnTop = false;
  bool linked = false;
  int hotkeyPlacement = hotkey_placement::kCaret;  // `AutoDspWin_HotKey_Bs`
  std::optional<ScreenRect> workingWindow;         // empty: the rectangle could not be read
  std::optional<ScreenPoint> caret;                // the working window's caret, screen pixels
  // Distance from the window's top edge to the top of the list's current row.
  int currentRowOffset = 0;
  ScreenPoint cursor;
  ScreenRect screen;  // the desktop
};

// What the placement remembers from one call-up to the next.
struct PlacementMemory {
  ScreenRect kept;             // the rectangle before the last automatic placement
  int lastAutomaticSource = 0;  // 0: the last placement was not automatic
};

struct CallUpResult {
  std::optional<ScreenRect> target;  // empty: do not move
  PlacementMemory memory;           // the memory after this call-up
};

// The placement itself, without state.
CallUpResult PlaceAtCallUp(const CallUpInput& input, const PlacementMemory& memory);

// Shifts a rectangle into the screen: left and top first, then right and bottom, so a window
// larger than the screen keeps its right and bottom edges inside.
ScreenRect ClampIntoScreen(const ScreenRect& rect, const ScreenRect& screen);

class CallUpPlacement {
 public:
  // Notes the time, then places; the result's target is where to move (or nothing).
  std::optional<ScreenRect> place(const CallUpInput& input, Clock& clock);

  const ScreenRect& keptRectangle() const { return memory_.kept; }
  // The window was linked or moved by the user's own means: that place is the one to keep.
  void keep(const ScreenRect& rect);
  // Process clock at the last call-up; empty before the first.
  std::optional<std::uint64_t> lastPlacedAt() const { return placedAt_; }

 private:
  PlacementMemory memory_;
  std::optional<std::uint64_t> placedAt_;
};

}  // namespace qb
