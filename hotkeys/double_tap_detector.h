// Double taps of Shift or Ctrl, found by polling the key state on the frame's 10 ms timer.
//
// Each tick finds the first enabled double-tap row whose key is down. A key that was up at the
// previous tick arms the detector: it then polls up to timing / 5 rounds of 10 ms; the key
// going up and down again within them is a double tap. A key already held at the previous tick
// does nothing, so holding a key never counts as a second tap. The caller skips the tick while
// the main window is in front or the program is paused, busy or otherwise occupied.
#pragma once
#include "hotkeys/multi_hotkey.h"
#include "platform/clock.h"
#include "platform/keyboard.h"

namespace qb {

inline constexpr int kDoubleTapPollMilliseconds = 10;
inline constexpr int kDoubleTapFirstTickMilliseconds = 50;

class DoubleTapDetector {
 public:
  DoubleTapDetector(Clock& clock, Keyboard& keyboard) : clock_(clock), keyboard_(keyboard) {}

  // One tick; the slot of the recognised double tap, or -1.
  int tick(const MultiHotkeys& hotkeys);
  bool armed() const { return armed_; }

 private:
  int heldDoubleTap(const MultiHotkeys& hotkeys);

  Clock& clock_;
  Keyboard& keyboard_;
  bool armed_ = false;
};

}  // namespace qb
