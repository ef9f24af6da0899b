#include "platform/win32/win32_keyboard.h"

#include <windows.h>

namespace qb {
namespace {

void SendKey(int virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(virtualKey);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

bool Win32Keyboard::isDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

void Win32Keyboard::keyDown(int virtualKey) { SendKey(virtualKey, false); }

void Win32Keyboard::keyUp(int virtualKey) { SendKey(virtualKey, true); }

}  // namespace qb
