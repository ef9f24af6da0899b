#include "settings/settings_apply.h"

#include <initializer_list>
#include <string_view>

namespace qb {
namespace {

bool StartsWithAny(std::string_view key, std::initializer_list<std::string_view> prefixes) {
  for (std::string_view prefix : prefixes) {
    if (key.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

}  // namespace

SettingsApply PlanSettingsApply(const std::vector<std::string>& changedKeys) {
  SettingsApply apply;
  for (const std::string& key : changedKeys) {
    apply.tabs |= StartsWithAny(key, {"TabColor", "CLIPDIR_AR", "PlanDir_Ar", "StackDir_Ar",
                                      "SANSYO_TEXT", "ENABLE=", "Open_Enable=", "Common_Enable=",
                                      "Plan_Enable=", "Stack_Enable=", "KaigyoTabDsp="});
    apply.hotkeys |= StartsWithAny(key, {"HOTKEY", "MultiHotKey"});
    apply.hooks |= StartsWithAny(key, {"MouseEdge", "MouseMid", "PlanMenu=", "NoActClose=",
                                       "PlanDir_Ar"});
    apply.publishLink |= StartsWithAny(key, {"Open_Enable=", "MyIp=", "Lan_Port", "Lan_UserPort=",
                                             "Open_MyName=", "OpenBroadCastFlg="});
    apply.shareLink |= StartsWithAny(key, {"Common_Enable=", "CommMyIp=", "CommLan_"});
    apply.paste |= StartsWithAny(key, {"PasteWait=", "PasteRefoFlg=", "DIRECT_SEND=",
                                       "InPrecisionFlg=", "OneClickFlg="});
  }
  return apply;
}

}  // namespace qb
