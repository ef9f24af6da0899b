// Synthetic key presses, delivered like the user's own to the window in front.
#pragma once
#include <windows.h>

#include <string>

namespace qb::e2e {

void pressKey(WORD virtualKey);
// Types the characters as Unicode key strokes into the window that has the focus.
void typeText(const std::wstring& text);

}  // namespace qb::e2e
