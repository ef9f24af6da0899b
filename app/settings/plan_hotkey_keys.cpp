#include "app/settings/settings_key_tables.h"

namespace qb {

// quillboxplan.dat: the six keys of each plan hotkey, hotkey by hotkey.
const KeyTable<PlanHotkeySettings>& PlanHotkeyKeyTable() {
  using P = PlanHotkeySettings;
  static const KeyTable<P> table = {
    Key<&P::VL>(kVersionKey, std::string(kSettingsVersion), kVersionComment),
    Key<&P::PlanHotKeyIdx>("PlanHotKeyIdx=", 0, "->プランホットキーIDX(V3.10)"),
    Interleaved({
        Member<&P::PlanHotKey1>("PlanHotKey1_%02d=", 0, "->プランホットキー1(V3.10)"),
        Member<&P::PlanHotKey2>("PlanHotKey2_%02d=", 0, "->プランホットキー2(V3.10)"),
        Member<&P::PlanHotKey3>("PlanHotKey3_%02d=", 0, "->プランホットキー3(V3.10)"),
        Member<&P::PlanHotKey4>("PlanHotKey4_%02d=", 0, "->プランホットキー4(V3.10)"),
        Member<&P::PlanHotKeyGroup>("PlanHotKeyGroup_%02d=", 2, "->プランホットキー：グループ(V3.10)"),
        Member<&P::PlanHotKeyFileName>("PlanHotKeyFileName_%02d=", "", "->ファイル名(V3.10)"),
    }),
  };
  return table;
}

}  // namespace qb
