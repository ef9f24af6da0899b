#include "tests/e2e/driver/synthetic_input.h"

#include <string>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"

namespace qb::e2e {
namespace {

void send(INPUT input, const std::string& what) {
  expect(SendInput(1, &input, sizeof input) == 1,
         "SendInput refused " + what + ", error " + std::to_string(GetLastError()));
}

void key(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  send(input, "key " + std::to_string(virtualKey));
}

}  // namespace

void keyDown(WORD virtualKey) { key(virtualKey, true); }
void keyUp(WORD virtualKey) { key(virtualKey, false); }

void pause(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  pollUntil(milliseconds, [&] { return GetTickCount() - start >= milliseconds; });
}

void movePointer(POINT point) {
  // Absolute coordinates: 0..65535 over the primary screen.
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((point.x * 65536LL + width / 2) / width);
  input.mi.dy = static_cast<LONG>((point.y * 65536LL + height / 2) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  send(input, "a pointer move");
  // Wine may round the absolute position, and may apply the move after a position set at once:
  // put it exactly where asked until it stays there (for up to half a second).
  POINT now{};
  for (int attempt = 0; attempt < 50; ++attempt) {
    SetCursorPos(point.x, point.y);
    Sleep(10);
    GetCursorPos(&now);
    if (now.x == point.x && now.y == point.y) break;
  }
  expect(now.x == point.x && now.y == point.y,
         "the pointer is at " + std::to_string(now.x) + "," + std::to_string(now.y) +
             " instead of " + std::to_string(point.x) + "," + std::to_string(point.y));
}

void mouseButton(MouseButton button, bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  if (button == MouseButton::kLeft) {
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  } else {
    input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  }
  send(input, "a mouse button");
}

void clickAt(POINT point, MouseButton button) {
  movePointer(point);
  pause(50);
  mouseButton(button, true);
  pause(50);
  mouseButton(button, false);
}

}  // namespace qb::e2e
