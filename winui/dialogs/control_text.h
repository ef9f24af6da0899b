// Texts of controls as the core's Shift-JIS strings.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace qb::winui {

std::wstring WindowTextOf(HWND window);
std::string WindowTextSjis(HWND window);
void SetWindowTextSjis(HWND window, std::string_view text);

}  // namespace qb::winui
