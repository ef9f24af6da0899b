#include "hotkeys/plan_hotkey_models.h"

#include <cstdio>

#include "hotkeys/hotkey_keys.h"

namespace qb {

PlanHotkeyEditModel::PlanHotkeyEditModel(PlanHotkeyTable& table, HotkeyRegistration& registration,
                                         Ui& ui, int group, std::string fileName,
                                         std::string planName)
    : table_(table),
      registration_(registration),
      ui_(ui),
      group_(group),
      fileName_(std::move(fileName)),
      planName_(std::move(planName)) {
  if (const std::optional<int> slot = table_.slotOf(group_, fileName_)) {
    const PlanHotkeyAssignment keys = table_.keysOf(*slot);
    modifierChoice_ = PlanModifierChoiceIndex(keys.modifiers);
    const auto offered = OfferedKeys();
    for (std::size_t i = 0; i < offered.size(); ++i) {
      if (offered[i] == keys.key) keyChoice_ = static_cast<int>(i);
    }
  }
}

bool PlanHotkeyEditModel::ok() {
  const auto choices = PlanModifierChoices();
  const auto offered = OfferedKeys();
  if (modifierChoice_ < 0 || modifierChoice_ >= static_cast<int>(choices.size()) ||
      keyChoice_ < 0 || keyChoice_ >= static_cast<int>(offered.size())) {
    ui_.showMessage("設定されていないホットキーが有効になっています　", MessageIcon::kExclamation);
    return false;
  }
  const PlanHotkeyAssignment keys{choices[static_cast<std::size_t>(modifierChoice_)].modifiers,
                                  offered[static_cast<std::size_t>(keyChoice_)]};
  const int own = table_.slotOf(group_, fileName_).value_or(-1);
  if (table_.slotWithKeys(keys, own)) {
    ui_.showMessage("ホットキーが重複しています", MessageIcon::kExclamation);
    return false;
  }
  std::string message;
  if (registration_.testRegistration(ModifierFlags(keys.modifiers), keys.key, false,
                                     HotkeyKind::kPlan, message) != 0) {
    const int modifiers[] = {keys.modifiers[0], keys.modifiers[1], keys.modifiers[2]};
    ui_.showMessage("プランのホットキー登録失敗（ " + HotkeyText(modifiers, keys.key) + " ）　\n" +
                        message,
                    MessageIcon::kExclamation);
    return false;
  }
  if (!table_.assign(group_, fileName_, keys)) {
    ui_.showMessage(PlanMaximumMessage(), MessageIcon::kExclamation);
    return false;
  }
  return true;
}

PlanHotkeyListModel::PlanHotkeyListModel(PlanHotkeySettings& settings, PlanCatalog& catalog,
                                         const std::array<std::string, 10>& groupNames,
                                         HotkeyRegistration& registration, Ui& ui)
    : settings_(settings),
      table_(settings),
      catalog_(catalog),
      groupNames_(groupNames),
      registration_(registration),
      ui_(ui) {
  reload();
}

const std::array<const char*, 5>& PlanHotkeyListModel::columnNames() {
  static const std::array<const char*, 5> names = {"ホットキー", "プラン", "グループ", "ファイル名",
                                                   "ソートキー"};
  return names;
}

std::string PlanHotkeyListModel::planName(int group, const std::string& fileName) {
  for (const PlanEntry& plan : catalog_.plans(group)) {
    if (plan.fileName == fileName) return plan.name;
  }
  return {};
}

void PlanHotkeyListModel::reload() {
  rows_.clear();
  for (int slot = 0; slot < kPlanHotkeyCount; ++slot) {
    if (!table_.used(slot)) continue;
    const auto i = static_cast<std::size_t>(slot);
    const int group = settings_.PlanHotKeyGroup[i];
    const std::string& file = settings_.PlanHotKeyFileName[i];
    PlanHotkeyRow row;
    row.slot = slot;
    row.columns[0] = PlanHotkeyText(settings_, slot);
    row.columns[1] = planName(group, file);
    row.columns[2] = group >= 0 && group < 10 ? groupNames_[static_cast<std::size_t>(group)] : "";
    row.columns[3] = file;
    char sortKey[16];
    std::snprintf(sortKey, sizeof sortKey, "%02d%02d", group, slot);
    row.columns[4] = sortKey;
    rows_.push_back(std::move(row));
  }
  if (selected_ >= static_cast<int>(rows_.size())) selected_ = -1;
}

std::optional<PlanHotkeyEditModel> PlanHotkeyListModel::beginChange() {
  if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size())) {
    ui_.showMessage("変更する対象を選択してください　", MessageIcon::kExclamation);
    return std::nullopt;
  }
  const PlanHotkeyRow& row = rows_[static_cast<std::size_t>(selected_)];
  if (!table_.used(row.slot) || row.columns[1].empty()) {
    ui_.showMessage("ホットキー設定の初期処理に失敗しました", MessageIcon::kExclamation);
    return std::nullopt;
  }
  const auto i = static_cast<std::size_t>(row.slot);
  return PlanHotkeyEditModel(table_, registration_, ui_, settings_.PlanHotKeyGroup[i],
                             settings_.PlanHotKeyFileName[i], row.columns[1]);
}

void PlanHotkeyListModel::changeDone() {
  changed_ = true;
  reload();
}

bool PlanHotkeyListModel::removeSelected() {
  if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size())) {
    ui_.showMessage("削除する対象を選択してください　", MessageIcon::kExclamation);
    return false;
  }
  if (ui_.showMessage("ホットキーの割り当てを解除します。よろしいですか？", MessageIcon::kQuestion,
                      MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return false;
  }
  const int slot = rows_[static_cast<std::size_t>(selected_)].slot;
  if (!table_.used(slot)) {
    ui_.showMessage("プランホットキー一覧の編集に失敗しました", MessageIcon::kExclamation);
    return false;
  }
  table_.clear(slot);
  changed_ = true;
  selected_ = -1;
  reload();
  return true;
}

}  // namespace qb
