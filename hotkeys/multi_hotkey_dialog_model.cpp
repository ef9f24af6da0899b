#include "hotkeys/multi_hotkey_dialog_model.h"

#include "hotkeys/hotkey_keys.h"

namespace qb {
namespace {

namespace hk = hotkey_key;

bool Sides(int general, int key) {
  const bool left = general == hk::kShift ? key == hk::kLeftShift : key == hk::kLeftCtrl;
  const bool right = general == hk::kShift ? key == hk::kRightShift : key == hk::kRightCtrl;
  return left || right;
}

// A double tap of the whole key beside one of its sides.
bool Mixed(const MultiHotkey& a, const MultiHotkey& b, int general) {
  if (!a.doubleTap() || !b.doubleTap()) return false;
  return (a.first == general && Sides(general, b.first)) ||
         (b.first == general && Sides(general, a.first));
}

bool SameHotkey(const MultiHotkey& a, const MultiHotkey& b) {
  if (a.doubleTap() != b.doubleTap()) return false;
  if (a.doubleTap()) return a.first == b.first;
  const int aKeys[] = {a.first, a.second};
  const int bKeys[] = {b.first, b.second};
  return ModifierFlags(aKeys) == ModifierFlags(bKeys) && a.key == b.key;
}

}  // namespace

MultiHotkeyDialogModel::MultiHotkeyDialogModel(const MultiHotkeys& current,
                                               HotkeyRegistration& registration, Ui& ui)
    : original_(current), rows_(current), registration_(registration), ui_(ui) {}

void MultiHotkeyDialogModel::setCombination(int n, int index) {
  MultiHotkey& hotkey = row(n);
  const auto combinations = MultiHotkeyCombinations();
  if (index < 0 || index >= static_cast<int>(combinations.size())) {
    hotkey.first = hotkey.second = 0;
    return;
  }
  const HotkeyCombination& chosen = combinations[static_cast<std::size_t>(index)];
  hotkey.first = chosen.first;
  hotkey.second = chosen.second;
}

int MultiHotkeyDialogModel::combination(int n) const {
  return CombinationIndex(row(n).first, row(n).second);
}

bool MultiHotkeyDialogModel::usesKey(int n) const { return row(n).first != 0 && !row(n).doubleTap(); }
bool MultiHotkeyDialogModel::usesTiming(int n) const { return row(n).first != 0 && row(n).doubleTap(); }

bool MultiHotkeyDialogModel::refuse(const char* message) {
  ui_.showMessage(message, MessageIcon::kExclamation);
  return false;
}

bool MultiHotkeyDialogModel::checkPairs() {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    for (std::size_t j = i + 1; j < rows_.size(); ++j) {
      const MultiHotkey& a = rows_[i];
      const MultiHotkey& b = rows_[j];
      if (!a.enabled() || !b.enabled()) continue;
      if (SameHotkey(a, b)) return refuse("ホットキーが重複しています");
      if (Mixed(a, b, hk::kShift)) {
        return refuse("Shift２回連打と、Shift(左)(右)２回連打は混在できません");
      }
      if (Mixed(a, b, hk::kCtrl)) {
        return refuse("Ctrl２回連打と、Ctrl(左)(右)２回連打は混在できません");
      }
    }
  }
  return true;
}

bool MultiHotkeyDialogModel::checkTimings() {
  for (const MultiHotkey& hotkey : rows_) {
    if (!hotkey.enabled() || !hotkey.doubleTap()) continue;
    if (hotkey.timing < kMinimumTiming || hotkey.timing > kMaximumTiming) {
      return refuse(kTimingRangeMessage);
    }
  }
  return true;
}

// A pair that is new in this dialog must be free to register.
bool MultiHotkeyDialogModel::checkRegistrations() {
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    const MultiHotkey& hotkey = rows_[n];
    if (!hotkey.enabled() || hotkey.doubleTap()) continue;
    const MultiHotkey& before = original_[n];
    if (before.enabled() && SameHotkey(before, hotkey)) continue;
    const int keys[] = {hotkey.first, hotkey.second};
    std::string message;
    if (registration_.testRegistration(ModifierFlags(keys), hotkey.key, false, HotkeyKind::kMulti,
                                      message) != 0) {
      ui_.showMessage("マルチホットキー登録失敗（ " + hotkey.text() + " ）　\n" + message,
                      MessageIcon::kExclamation);
      return false;
    }
  }
  return true;
}

bool MultiHotkeyDialogModel::check() {
  for (const MultiHotkey& hotkey : rows_) {
    if (hotkey.enabled() && !hotkey.hasKey()) {
      return refuse("設定されていないホットキーが有効になっています　");
    }
  }
  return checkPairs() && checkTimings() && checkRegistrations();
}

MultiHotkeyDialogModel::Result MultiHotkeyDialogModel::ok() {
  if (!check()) return Result::kStayOpen;
  return rows_ == original_ ? Result::kUnchanged : Result::kSaved;
}

}  // namespace qb
