// The Plan tab's list: the plans of the group shown (`PlanDir_Idx=`), newest first, with the
// columns "プラン名", "ﾌｧｲﾙ名", "作成日時", "更新日時", "ｻｲｽﾞ", "用途設定" and "ﾎｯﾄｷｰ設定";
// and what the tab does to them: store, delete, move, copy, import, reorder.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/settings/plan_hotkey_settings.h"
#include "app/tablist/tab_list.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"
#include "tabs/plan/plan_store.h"

namespace qb {

namespace plan_column {
inline constexpr int kName = 0;
inline constexpr int kFileName = 3;
inline constexpr int kCreated = 4;
inline constexpr int kUpdated = 5;
inline constexpr int kSize = 7;
inline constexpr int kUse = 8;     // "用途設定"
inline constexpr int kHotkey = 9;  // "ﾎｯﾄｷｰ設定"
}  // namespace plan_column

// The groups with a fixed role.
inline constexpr int kPlanCallGroup = 0;     // "プラン呼び出し専用"
inline constexpr int kCapturePlanGroup = 1;  // "履歴取得時呼び出し専用"
inline constexpr int kHotkeyPlanGroup = 2;   // "ホットキー呼び出し専用"

struct PlanListParts {
  FileSystem& fs;
  Clock& clock;
  Ui& ui;
  EnvironmentSettings& environment;
  PlanHotkeySettings& hotkeys;
  PlanStore& store;
};

class CPlanList : public CTabList {
 public:
  explicit CPlanList(PlanListParts parts);

  // Told after the plans of a group were added, removed or reordered.
  std::function<void(int group)> groupChanged;
  // Told after a plan hotkey was released (its plan deleted or moved).
  std::function<void()> hotkeysChanged;
  // The Shared tab's store ("共有へ複写..."); empty while there is no Shared tab.
  std::function<int(std::string_view label, std::string_view value)> sharedStore;

  int shownGroup() const;
  std::string groupName(int group) const;
  int chooseGroup(int group);
  int load() { return loadGroup(store_.folder(shownGroup()), kPlanGroupMaximum); }

  std::string fileName(int row) const { return text(row, plan_column::kFileName); }
  // Reads the row's plan; a failure shows the read message naming `operation`. 0 or -1.
  int readPlan(int row, PlanItem& record, std::string_view operation);
  // A new plan file in a group; into the group shown it also gets the top row. 0 or -1.
  int storePlan(int group, const PlanItem& record);
  // The plan written over its file (kept when the write fails); its row, when shown, follows with
  // the new name, size and update time. 0 or -1.
  int updatePlan(int group, std::string_view fileName, const PlanItem& record);
  // Asks first (the hotkey question when the plan has a hotkey); then the file, the row and the
  // hotkey go. 0 also when the user said No; -1 on failure.
  int deletePlan(int row);
  // Into another group; a plan with a hotkey asks first and loses its hotkey. 0 or -1.
  int movePlan(int row, int group);
  // A copy into another group (without the hotkey). 0 or -1.
  int copyPlan(int row, int group);
  // Adds a plan file (a plan text, or a plan item file of another copy) to the group shown.
  int importPlanFile(std::string_view path);
  // Drag and drop in creation order; the creation times are written again from the top.
  int reorder(int from, int to);
  bool reorderable() const;
  // "用途設定" and "ﾎｯﾄｷｰ設定" of every row, after the capture plan or the hotkeys changed.
  void refreshUses();

  // Hooks.
  int getValue(int row, std::string& value) override;
  int valueForUse(int, std::string& value) override {
    value.clear();
    return 0;
  }
  int loadGroup(std::string_view folder, int maximum) override;
  MenuModel loadMenu(const TabMenuContext& context) override;
  int copyToShared(int row) override;
  int moveToGroup(int row, int group) override { return movePlan(row, group); }
  int m_Dell(int row) override { return deletePlan(row); }
  // A whole plan record (as the editor builds it) stored in the group shown.
  int m_FileAdd(std::string_view record) override;

 private:
  TabRow newRow(const PlanFileInfo& entry) const;
  std::string usesOf(std::string_view fileName) const;
  void forgetCapturePlan(int group, std::string_view fileName);
  void planLeft(int row, int group, const std::string& fileName, int slot);
  void changed(int group);

  Clock& clock_;
  Ui& ui_;
  FileSystem& fs_;
  EnvironmentSettings& environment_;
  PlanHotkeySettings& hotkeys_;
  PlanStore& store_;
};

}  // namespace qb
