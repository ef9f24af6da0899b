// Key macros ("<@@KEYIN><@TAB01/>200<@@/KEYIN>"): the split of a text into pieces, the paste of
// the pieces with their key presses, and the conversion of line breaks into Tab key macros.
#pragma once
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/keyboard.h"

namespace qb {

inline constexpr char kLineTabMacro[] = "<@@KEYIN><@TAB01/>300<@@/KEYIN>";
inline constexpr int kMaxKeyMacroSteps = 100;
inline constexpr int kFirstPieceExtraWait = 400;
inline constexpr int kKeyWaitSteps = 20;
inline constexpr int kKeyHoldMilliseconds = 50;

struct KeyPiece {
  std::string segment;  // text pasted before the key
  int key = 0;          // virtual-key code (9 Tab, 13 Enter); 0 for none
  int wait = 0;         // milliseconds waited before the key
};

// Takes the next piece off `rest`. An unknown key element leaves the whole rest as text.
KeyPiece KeySplit(std::string& rest);

// Lines joined by the Tab key macro (at most 100 lines; the rest stays as it stands).
std::string ConvertLinesToTabs(std::string_view text);

// Where the pieces go: the paste engine's paste of one text into the working document.
class PieceTarget {
 public:
  virtual ~PieceTarget() = default;
  // 0, or -1 to stop the paste. `continuation` is false for the first piece.
  virtual int pastePiece(std::string_view text, bool continuation) = 0;
  // True when the text goes into the working document (keys are pressed), false for a copy.
  virtual bool directPaste() const = 0;
};

enum class KeyPasteResult {
  kDone,
  kFailed,              // a piece could not be pasted
  kStoppedByMouse,      // a mouse button was held during a key wait
};

// Pastes the pieces of `text` one after another with their key presses.
KeyPasteResult PasteKeyMacroText(std::string_view text, PieceTarget& target, Keyboard& keyboard,
                                 Clock& clock);

// Waits `milliseconds` in 20 checks of the mouse buttons; false when a button was held.
bool WaitWatchingMouse(int milliseconds, Keyboard& keyboard, Clock& clock);

}  // namespace qb
