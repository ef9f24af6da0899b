// Small helpers of the hotkey dialogs' controls.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/text_conversion.h"

namespace qb::hotkey_view {

inline void FillCombo(HWND combo, const std::vector<std::string>& items, int selected) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(item).c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

inline int Selection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

// A drop-down list (no typing) that opens downwards over `listHeight` dialog units.
inline constexpr DWORD kComboStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

}  // namespace qb::hotkey_view
