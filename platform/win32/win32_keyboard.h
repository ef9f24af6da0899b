// Key and button state through GetAsyncKeyState; synthetic keys through SendInput.
#pragma once
#include "platform/keyboard.h"

namespace qb {

class Win32Keyboard : public Keyboard {
 public:
  bool isDown(int virtualKey) override;
  void keyDown(int virtualKey) override;
  void keyUp(int virtualKey) override;
};

}  // namespace qb
