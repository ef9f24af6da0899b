// Names by which the main window is found: by other programs (WM_COPYDATA commands), by the
// second instance, and by the end-to-end driver acting as the shell.
#pragma once
#include <windows.h>

namespace qb {

inline constexpr wchar_t kMainWindowClass[] = L"QuillboxMainFrame";
inline constexpr wchar_t kMainWindowTitle[] = L"Quillbox";

// The tray icon's callback message (lParam: the mouse message, wParam: the icon id).
inline constexpr UINT kTrayCallbackMessage = WM_USER + 100;  // 1124
inline constexpr UINT kTrayIconId = 1;

// Control identifiers of the main window: the tab buttons "IDT1_BTN01".."IDT7_BTN01" and the
// related-files tabs, one per shown tab in tab order from the first id, the list and the status
// bar.
inline constexpr int kTabButtonFirstId = 1101;
inline constexpr int kListViewId = 1200;
// The tabs' bars: the n-th tab view (tab order) owns the ids from kTabBarFirstId + 100 n.
inline constexpr int kTabBarFirstId = 2000;
// The frame's toggles: "常に表示", the link at the right and at the bottom of the screen.
inline constexpr int kAlwaysOnTopId = 1501;
inline constexpr int kLinkRightId = 1502;
inline constexpr int kLinkBottomId = 1503;
// The filter: the frame's "絞込" toggle and the field it opens.
inline constexpr int kFilterToggleId = 1504;
inline constexpr int kFilterFieldId = 1505;
// The frame's menu button: the main menu, as the tray icon's right click shows it.
inline constexpr int kMainMenuButtonId = 1506;
inline constexpr int kStatusBarId = 1300;

}  // namespace qb
