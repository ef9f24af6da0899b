// Names by which the main window is found: by other programs (WM_COPYDATA commands), by the
// second instance, and by the end-to-end driver acting as the shell.
#pragma once
#include <windows.h>

namespace qb {

inline constexpr wchar_t kMainWindowClass[] = L"QuillboxMainFrame";
inline constexpr wchar_t kMainWindowTitle[] = L"Quillbox";

// The tray icon's callback message (lParam: the mouse message, wParam: the icon id).
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

}  // namespace qb
