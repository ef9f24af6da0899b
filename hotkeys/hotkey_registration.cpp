#include "hotkeys/hotkey_registration.h"

#include "hotkeys/hotkey_keys.h"

namespace qb {
namespace {

std::string RefusedMessage(const char* what, const std::string& text) {
  return std::string(what) + "（ " + text + " ）　\n" + kHotkeyTakenText;
}

int SlotOf(const auto& registered, int id, int base) {
  const int k = id - base;
  if (k < 0 || k >= static_cast<int>(registered.size())) return -1;
  return registered[static_cast<std::size_t>(k)].slot;
}

}  // namespace

std::string PlanHotkeyText(const PlanHotkeySettings& s, int slot) {
  const auto n = static_cast<std::size_t>(slot);
  const int modifiers[] = {s.PlanHotKey1[n], s.PlanHotKey2[n], s.PlanHotKey3[n]};
  return HotkeyText(modifiers, s.PlanHotKey4[n]);
}

HotkeyRegistration::HotkeyRegistration(HotkeyRegistrar& registrar, Ui& ui)
    : registrar_(registrar), ui_(ui) {}

void HotkeyRegistration::registerMulti(const MultiHotkeys& hotkeys) {
  unregisterMulti();
  for (std::size_t n = 0; n < hotkeys.size(); ++n) {
    const MultiHotkey& hotkey = hotkeys[n];
    if (!hotkey.enabled() || hotkey.doubleTap() || !hotkey.hasKey()) continue;
    const int modifiers[] = {hotkey.first, hotkey.second};
    const unsigned flags = ModifierFlags(modifiers);
    const int id = kMultiHotkeyIdBase + static_cast<int>(multi_.size());
    if (registrar_.add(id, flags, hotkey.key)) {
      multi_.push_back({flags, hotkey.key, static_cast<int>(n)});
    } else {
      ui_.showMessage(RefusedMessage("マルチホットキー登録失敗", hotkey.text()),
                      MessageIcon::kExclamation);
    }
  }
}

void HotkeyRegistration::registerPlan(const PlanHotkeySettings& settings) {
  unregisterPlan();
  for (int n = 0; n < kPlanHotkeyCount; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    if (settings.PlanHotKeyFileName[slot].empty()) continue;
    const int modifiers[] = {settings.PlanHotKey1[slot], settings.PlanHotKey2[slot],
                             settings.PlanHotKey3[slot]};
    const unsigned flags = ModifierFlags(modifiers);
    const int key = settings.PlanHotKey4[slot];
    const int id = kPlanHotkeyIdBase + static_cast<int>(plan_.size());
    if (registrar_.add(id, flags, key)) {
      plan_.push_back({flags, key, n});
    } else {
      ui_.showMessage(RefusedMessage("プランのホットキー登録失敗", PlanHotkeyText(settings, n)),
                      MessageIcon::kExclamation);
    }
  }
}

void HotkeyRegistration::unregisterMulti() {
  for (std::size_t k = 0; k < multi_.size(); ++k) {
    registrar_.remove(kMultiHotkeyIdBase + static_cast<int>(k));
  }
  multi_.clear();
}

void HotkeyRegistration::unregisterPlan() {
  for (std::size_t k = 0; k < plan_.size(); ++k) {
    registrar_.remove(kPlanHotkeyIdBase + static_cast<int>(k));
  }
  plan_.clear();
}

int HotkeyRegistration::multiSlotOf(int id) const { return SlotOf(multi_, id, kMultiHotkeyIdBase); }
int HotkeyRegistration::planSlotOf(int id) const { return SlotOf(plan_, id, kPlanHotkeyIdBase); }

bool HotkeyRegistration::Holds(const std::vector<Registered>& list, unsigned modifiers, int key) {
  for (const Registered& r : list) {
    if (r.modifiers == modifiers && r.key == key) return true;
  }
  return false;
}

int HotkeyRegistration::testRegistration(unsigned modifiers, int key, bool equalModifiers,
                                         HotkeyKind own, std::string& message) {
  message.clear();
  if (equalModifiers || Holds(own == HotkeyKind::kMulti ? multi_ : plan_, modifiers, key)) return 0;
  if (!registrar_.add(kTestHotkeyId, modifiers, key)) {
    message = kHotkeyTakenText;
    return -1;
  }
  registrar_.remove(kTestHotkeyId);
  return 0;
}

}  // namespace qb
