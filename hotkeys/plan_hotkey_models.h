// The models of the plan hotkey dialogs: the list "プランホットキー一覧の表示" with its change
// and delete, and the choice of a plan's keys that the list and the plan tab open.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "hotkeys/hotkey_registration.h"
#include "hotkeys/plan_catalog.h"
#include "hotkeys/plan_hotkey_table.h"
#include "platform/ui.h"

namespace qb {

// The keys of one plan: a modifier combination (PlanModifierChoices) and a key (OfferedKeys).
class PlanHotkeyEditModel {
 public:
  PlanHotkeyEditModel(PlanHotkeyTable& table, HotkeyRegistration& registration, Ui& ui, int group,
                      std::string fileName, std::string planName);

  const std::string& planName() const { return planName_; }
  int modifierChoice() const { return modifierChoice_; }
  void setModifierChoice(int index) { modifierChoice_ = index; }
  int keyChoice() const { return keyChoice_; }
  void setKeyChoice(int index) { keyChoice_ = index; }

  // The keys chosen, free among the plan hotkeys and with the system, then assigned to the plan
  // (its own slot or a free one). False, after the message, when any of it fails.
  bool ok();

 private:
  PlanHotkeyTable& table_;
  HotkeyRegistration& registration_;
  Ui& ui_;
  int group_;
  std::string fileName_;
  std::string planName_;
  int modifierChoice_ = -1;
  int keyChoice_ = -1;
};

struct PlanHotkeyRow {
  int slot = 0;
  std::array<std::string, 5> columns;  // ホットキー, プラン, グループ, ファイル名, ソートキー
};

class PlanHotkeyListModel {
 public:
  PlanHotkeyListModel(PlanHotkeySettings& settings, PlanCatalog& catalog,
                      const std::array<std::string, 10>& groupNames,
                      HotkeyRegistration& registration, Ui& ui);

  static const std::array<const char*, 5>& columnNames();
  // The slots in use, in slot order.
  const std::vector<PlanHotkeyRow>& rows() const { return rows_; }
  void select(int row) { selected_ = row; }
  int selected() const { return selected_; }

  // "変更": the keys of the selected row's plan, or nothing after the message.
  std::optional<PlanHotkeyEditModel> beginChange();
  // After the edit dialog's OK: the list again.
  void changeDone();
  // "削除": asks, then takes the selected row's hotkey away. True when it was removed.
  bool removeSelected();
  // True once a change or delete altered the plan hotkeys (to be registered again).
  bool changed() const { return changed_; }

 private:
  void reload();
  std::string planName(int group, const std::string& fileName);

  PlanHotkeySettings& settings_;
  PlanHotkeyTable table_;
  PlanCatalog& catalog_;
  std::array<std::string, 10> groupNames_;
  HotkeyRegistration& registration_;
  Ui& ui_;
  std::vector<PlanHotkeyRow> rows_;
  int selected_ = -1;
  bool changed_ = false;
};

}  // namespace qb
