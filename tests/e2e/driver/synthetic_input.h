// Synthetic keys and mouse events through SendInput, as the user's own: the hooks and the key
// state of every program see them.
#pragma once
#include <windows.h>

namespace qb::e2e {

void keyDown(WORD virtualKey);
void keyUp(WORD virtualKey);
// Waits while dispatching the driver's own messages.
void pause(DWORD milliseconds);
// Moves the pointer to a screen point.
void movePointer(POINT point);
enum class MouseButton { kLeft, kRight };
void mouseButton(MouseButton button, bool down);
// Moves there, then presses and releases the button.
void clickAt(POINT point, MouseButton button = MouseButton::kLeft);

}  // namespace qb::e2e
