#include "hotkeys/double_tap_detector.h"

namespace qb {

int DoubleTapDetector::heldDoubleTap(const MultiHotkeys& hotkeys) {
  for (std::size_t n = 0; n < hotkeys.size(); ++n) {
    const MultiHotkey& hotkey = hotkeys[n];
    if (hotkey.enabled() && hotkey.doubleTap() && hotkey.first != 0 &&
        keyboard_.isDown(hotkey.first)) {
      return static_cast<int>(n);
    }
  }
  return -1;
}

int DoubleTapDetector::tick(const MultiHotkeys& hotkeys) {
  const int slot = heldDoubleTap(hotkeys);
  if (slot < 0) {
    armed_ = true;
    return -1;
  }
  if (!armed_) return -1;  // held since the last tick
  armed_ = false;
  const MultiHotkey& hotkey = hotkeys[static_cast<std::size_t>(slot)];
  const int rounds = hotkey.timing / 5;
  for (int round = 0; round < rounds; ++round) {
    clock_.pumpWait(kDoubleTapPollMilliseconds);
    if (!keyboard_.isDown(hotkey.first)) {
      armed_ = true;
    } else if (armed_) {
      armed_ = false;
      return slot;
    }
  }
  armed_ = false;
  return -1;
}

}  // namespace qb
