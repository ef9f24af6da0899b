// The menu probe: a message hook that the driver places on the thread showing a popup menu,
// because menus can be read only inside the process that owns them (so it is under Wine).
//
// The driver posts kMenuProbeMessage to the popup menu window ("#32768") with
// wParam = the driver's report window and lParam = the HMENU (from MN_GETHMENU). The hook,
// running in the menu's thread, answers with a WM_COPYDATA whose dwData is kMenuReportTag and
// whose data are UTF-16 lines "<state>\t<text>\n", one per item in menu order; state is what
// GetMenuState(MF_BYPOSITION) gives for the item (MF_SEPARATOR, MF_HILITE, MF_GRAYED, ...).
#pragma once
#include <windows.h>

namespace qb::e2e {

inline constexpr wchar_t kMenuProbeMessage[] = L"QbE2eMenuProbe";
inline constexpr ULONG_PTR kMenuReportTag = 0x51424D50;  // "QBMP"
inline constexpr char kMenuProbeHookName[] = "MenuProbeHook";
inline constexpr wchar_t kMenuProbeLibrary[] = L"qb_e2e_menu_probe.dll";

}  // namespace qb::e2e
