#include "macros/key_macro.h"

#include <cstdint>

namespace qb {
namespace {

constexpr std::string_view kKeyOpen = "<@@KEYIN>";
constexpr std::string_view kKeyClose = "<@@/KEYIN>";
constexpr std::string_view kTabElement = "<@TAB01/>";
constexpr std::string_view kEnterElement = "<@ENTER01/>";
constexpr int kMaxLines = 100;

// The leading decimal digits; none give 0. Saturates instead of overflowing.
int LeadingDigits(std::string_view text) {
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 86400000) value = 86400000;  // a day is more than any wait
  }
  return static_cast<int>(value);
}

}  // namespace

KeyPiece KeySplit(std::string& rest) {
  KeyPiece piece;
  const std::size_t open = rest.find(kKeyOpen);
  const std::size_t close = open == std::string::npos ? open : rest.find(kKeyClose, open);
  if (close == std::string::npos) {
    piece.segment = std::move(rest);
    rest.clear();
    return piece;
  }
  const std::string_view body =
      std::string_view(rest).substr(open + kKeyOpen.size(), close - open - kKeyOpen.size());
  if (body.substr(0, kTabElement.size()) == kTabElement) {
    piece.key = kVkTab;
    piece.wait = LeadingDigits(body.substr(kTabElement.size()));
  } else if (body.substr(0, kEnterElement.size()) == kEnterElement) {
    piece.key = kVkReturn;
    piece.wait = LeadingDigits(body.substr(kEnterElement.size()));
  } else {
    piece.segment = std::move(rest);
    rest.clear();
    return piece;
  }
  piece.segment = rest.substr(0, open);
  rest.erase(0, close + kKeyClose.size());
  return piece;
}

std::string ConvertLinesToTabs(std::string_view text) {
  std::string result;
  std::string_view rest = text;
  for (int line = 0; line < kMaxLines; ++line) {
    const std::size_t breakAt = rest.find("\r\n");
    const std::string_view current = rest.substr(0, breakAt);
    rest = breakAt == std::string_view::npos ? std::string_view() : rest.substr(breakAt + 2);
    result += current;
    if (rest.empty()) return result;
    result += kLineTabMacro;
  }
  result += rest;
  return result;
}

bool WaitWatchingMouse(int milliseconds, Keyboard& keyboard, Clock& clock) {
  // Each step waits up to its share of the whole, measured from the start, so the 10 ms steps
  // of the waits do not shorten the total.
  const std::uint64_t start = clock.milliseconds();
  const int total = milliseconds > 0 ? milliseconds : 0;
  for (int step = 1; step <= kKeyWaitSteps; ++step) {
    if (keyboard.isDown(kVkLeftButton) || keyboard.isDown(kVkRightButton)) return false;
    const std::uint64_t due = start + static_cast<std::uint64_t>(total) * step / kKeyWaitSteps;
    const std::uint64_t now = clock.milliseconds();
    if (due > now) clock.pumpWait(static_cast<int>(due - now));
  }
  return true;
}

KeyPasteResult PasteKeyMacroText(std::string_view text, PieceTarget& target, Keyboard& keyboard,
                                 Clock& clock) {
  std::string rest(text);
  bool first = true;
  for (int step = 0; step < kMaxKeyMacroSteps; ++step) {
    KeyPiece piece = KeySplit(rest);
    if (piece.segment.empty() && piece.key == 0) break;
    if (!piece.segment.empty()) {
      if (target.pastePiece(piece.segment, !first) != 0) return KeyPasteResult::kFailed;
      if (first && piece.key != 0) piece.wait += kFirstPieceExtraWait;
      first = false;
    }
    if (piece.key != 0 && target.directPaste()) {
      if (!WaitWatchingMouse(piece.wait, keyboard, clock)) return KeyPasteResult::kStoppedByMouse;
      keyboard.keyDown(piece.key);
      clock.pumpWait(kKeyHoldMilliseconds);
      keyboard.keyUp(piece.key);
    }
  }
  return KeyPasteResult::kDone;
}

}  // namespace qb
