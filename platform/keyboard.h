// Key and mouse-button state and synthetic key events, as the paste sees them.
#pragma once

namespace qb {

// Virtual-key codes the core uses.
inline constexpr int kVkLeftButton = 0x01;
inline constexpr int kVkRightButton = 0x02;
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkV = 0x56;

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // The physical state now (keys and mouse buttons alike).
  virtual bool isDown(int virtualKey) = 0;
  // Synthetic events, as if typed.
  virtual void keyDown(int virtualKey) = 0;
  virtual void keyUp(int virtualKey) = 0;
};

}  // namespace qb
