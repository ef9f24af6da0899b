// What the tab views share: the context of a row menu from the settings, the place a bar
// button's menu opens, and the background of a tab whose LAN link could not be opened.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_menu.h"

namespace qb {

// Red: the tab's link is not open (the status dialog tells why).
inline constexpr std::uint32_t kLanErrorBackground = RGB(255, 160, 160);

inline TabMenuContext MenuContextFromSettings(const EnvironmentSettings& settings) {
  TabMenuContext context;
  for (std::size_t i = 0; i < context.saveGroupNames.size(); ++i) {
    context.saveGroupNames[i] = settings.CLIPDIR_AR[i];
  }
  context.clickPastes = settings.DIRECT_SEND == 1;
  context.sharedTabEnabled = settings.Common_Enable == 1;
  return context;
}

// A bar button's menu opens below it.
inline POINT BelowRect(const RECT& rect) { return {rect.left, rect.bottom}; }

}  // namespace qb
