// A context menu from its portable model, shown at a point.
#pragma once
#include <windows.h>

#include "app/tablist/menu_model.h"

namespace qb::winui {

// Builds the menu (captions, separators, submenus, checks, the default entry) for `model`.
HMENU BuildMenu(const MenuModel& model);
// Shows it at `where` (screen coordinates) for `owner`; the chosen command, or 0.
int TrackMenu(HWND owner, const MenuModel& model, POINT where);

}  // namespace qb::winui
