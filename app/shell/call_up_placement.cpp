#include "app/shell/call_up_placement.h"

namespace qb {
namespace {

// Right and bottom edges of the "右下" placement, inside the working window's corner.
constexpr int kBottomRightInsetX = 22;
constexpr int kBottomRightInsetY = 31;
// On an axis where the working window is smaller, inside its top-left corner instead.
constexpr int kSmallWorkingWindowInset = 10;
constexpr int kCaretGapRight = 15;
constexpr int kCaretGapBelow = 25;
constexpr int kMouseTopOffset = 10;

ScreenRect At(int left, int top, int width, int height) {
  return ScreenRect{left, top, left + width, top + height};
}

ScreenRect CentredOn(const ScreenRect& area, int width, int height) {
  return At(area.left + (area.width() - width) / 2, area.top + (area.height() - height) / 2,
            width, height);
}

ScreenRect BottomRightOf(const ScreenRect& area, int width, int height) {
  int left = area.right - kBottomRightInsetX - width;
  int top = area.bottom - kBottomRightInsetY - height;
  if (area.width() < width) left = area.left + kSmallWorkingWindowInset;
  if (area.height() < height) top = area.top + kSmallWorkingWindowInset;
  return At(left, top, width, height);
}

ScreenRect AtCaret(const CallUpInput& input, int width, int height) {
  const ScreenPoint caret = *input.caret;
  ScreenRect beside = At(caret.x + kCaretGapRight, caret.y - input.currentRowOffset, width, height);
  if (beside.right <= input.screen.right) return beside;
  return At(caret.x - width / 2, caret.y + kCaretGapBelow, width, height);
}

struct Target {
  ScreenRect rect;
  bool automatic = false;
  bool clamp = true;
};

Target HotkeyTarget(const CallUpInput& input, const ScreenRect& kept) {
  const int width = input.window.width();
  const int height = input.window.height();
  const int mode = input.hotkeyPlacement;
  if (mode == hotkey_placement::kCaret && IsValidCaret(input.caret)) {
    return {AtCaret(input, width, height), true};
  }
  if (mode != hotkey_placement::kCentre && mode != hotkey_placement::kBottomRight &&
      mode != hotkey_placement::kCaret) {
    return {kept, false};
  }
  if (!input.workingWindow) return {CentredOn(input.screen, width, height), true, false};
  if (mode == hotkey_placement::kBottomRight) {
    return {BottomRightOf(*input.workingWindow, width, height), true};
  }
  return {CentredOn(*input.workingWindow, width, height), true};
}

Target TargetFor(const CallUpInput& input, const ScreenRect& kept) {
  switch (input.source) {
    case call_up_source::kHotkey:
      return HotkeyTarget(input, kept);
    case call_up_source::kMousePosition:
    case call_up_source::kMousePositionAlternate:
      return {At(input.cursor.x - input.window.width() / 3, input.cursor.y - kMouseTopOffset,
                 input.window.width(), input.window.height()),
              true};
    default:
      return {kept, false};
  }
}

}  // namespace

ScreenRect ClampIntoScreen(const ScreenRect& rect, const ScreenRect& screen) {
  int dx = 0;
  int dy = 0;
  if (rect.left < screen.left) dx = screen.left - rect.left;
  if (rect.top < screen.top) dy = screen.top - rect.top;
  if (rect.right + dx > screen.right) dx = screen.right - rect.right;
  if (rect.bottom + dy > screen.bottom) dy = screen.bottom - rect.bottom;
  return ScreenRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

CallUpResult PlaceAtCallUp(const CallUpInput& input, const PlacementMemory& memory) {
  if (input.alwaysOnTop || input.linked) return CallUpResult{std::nullopt, memory};
  PlacementMemory next = memory;
  if (memory.lastAutomaticSource != input.source) next.kept = input.window;
  const Target target = TargetFor(input, next.kept);
  next.lastAutomaticSource = target.automatic ? input.source : 0;
  const ScreenRect rect = target.clamp ? ClampIntoScreen(target.rect, input.screen) : target.rect;
  return CallUpResult{rect, next};
}

std::optional<ScreenRect> CallUpPlacement::place(const CallUpInput& input, Clock& clock) {
  placedAt_ = clock.milliseconds();
  CallUpResult result = PlaceAtCallUp(input, memory_);
  memory_ = result.memory;
  return result.target;
}

void CallUpPlacement::keep(const ScreenRect& rect) {
  memory_.kept = rect;
  memory_.lastAutomaticSource = 0;
}

}  // namespace qb
