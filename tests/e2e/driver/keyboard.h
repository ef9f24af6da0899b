// Synthetic key presses, delivered like the user's own to the window in front.
#pragma once
#include <windows.h>

namespace qb::e2e {

void pressKey(WORD virtualKey);

}  // namespace qb::e2e
