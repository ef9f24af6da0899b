#include "winui/popup_menu.h"

#include "platform/win32/text_conversion.h"

namespace qb::winui {
namespace {

void Append(HMENU menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    std::wstring caption = SjisToWide(entry.caption);
    switch (entry.kind) {
      case MenuEntry::Kind::kSeparator:
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuEntry::Kind::kSubmenu: {
        HMENU submenu = CreatePopupMenu();
        Append(submenu, entry.children);
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                    caption.c_str());
        break;
      }
      case MenuEntry::Kind::kCommand:
        AppendMenuW(menu,
                    MF_STRING | (entry.checked ? MF_CHECKED : 0u) | (entry.enabled ? 0u : MF_GRAYED),
                    static_cast<UINT_PTR>(entry.command), caption.c_str());
        if (entry.isDefault) SetMenuDefaultItem(menu, static_cast<UINT>(entry.command), FALSE);
        break;
    }
  }
}

}  // namespace

HMENU BuildMenu(const MenuModel& model) {
  HMENU menu = CreatePopupMenu();
  Append(menu, model.entries());
  return menu;
}

int TrackMenu(HWND owner, const MenuModel& model, POINT where) {
  HMENU menu = BuildMenu(model);
  // The menu closes on a click elsewhere only when its owner is in front.
  SetForegroundWindow(owner);
  int command = static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, where.x,
                                                where.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return command;
}

}  // namespace qb::winui
