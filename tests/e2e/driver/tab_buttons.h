// The main window's tab buttons, pressed as a user would.
#pragma once
#include <windows.h>

#include <string>

namespace qb::e2e {

// Presses the tab button with this caption (BM_CLICK); fails the scenario when there is none.
void clickTabButton(HWND mainWindow, const std::wstring& caption);

}  // namespace qb::e2e
