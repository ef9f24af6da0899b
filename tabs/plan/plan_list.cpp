#include "tabs/plan/plan_list.h"

#include <algorithm>
#include <cstdio>

#include "base/time_format.h"
#include "tabs/plan/plan_hotkey_slots.h"
#include "tabs/plan/plan_import.h"
#include "tabs/plan/plan_menu.h"

namespace qb {

namespace col = plan_column;

namespace {

constexpr const char* kWriteFailure = "ﾌｧｲﾙの書き込みに失敗しました(6m_FileAdd)";
constexpr const char* kGroupFull = "指定された保存場所は最大数に達しています";
constexpr const char* kHotkeyDeleteQuestion =
    "このプランにはホットキーが割り当てられています。 \n削除してよろしいですか。";
constexpr const char* kHotkeyMoveQuestion =
    "このプランにはホットキーが割り当てられています。 \n移動するとホットキーは解除されます。 \n\n"
    "移動してよろしいですか。";

std::string Eight(std::uint64_t number) {
  char text[24];
  std::snprintf(text, sizeof text, "%08llu", static_cast<unsigned long long>(number));
  return text;
}

// A failed write or removal; access denied adds why.
void ShowFileFailure(Ui& ui, std::string message, const FileError& failure, const char* deniedTail) {
  if (failure.cause == FileCause::kAccessDenied) message += deniedTail;
  ui.showMessage(message, MessageIcon::kStop);
}

bool Ask(Ui& ui, std::string_view question) {
  return ui.showMessage(question, MessageIcon::kQuestion, MessageButtons::kYesNo) ==
         MessageAnswer::kYes;
}

}  // namespace

CPlanList::CPlanList(PlanListParts parts)
    : CTabList(TabKind::kPlan),
      clock_(parts.clock),
      ui_(parts.ui),
      fs_(parts.fs),
      environment_(parts.environment),
      hotkeys_(parts.hotkeys),
      store_(parts.store) {
  // Newest first, as the plans were stored or placed.
  setDefaultDirection(col::kCreated, 0);
  setDefaultDirection(col::kUpdated, 0);
  setInitialSortColumn(col::kCreated);
  setMaximumCount(kPlanGroupMaximum);
}

int CPlanList::shownGroup() const {
  return std::clamp(environment_.PlanDir_Idx, 0, kPlanGroupCount - 1);
}

std::string CPlanList::groupName(int group) const {
  return group >= 0 && group < kPlanGroupCount
             ? environment_.PlanDir_Ar[static_cast<std::size_t>(group)]
             : std::string();
}

int CPlanList::chooseGroup(int group) {
  if (group < 0 || group >= kPlanGroupCount) return -1;
  environment_.PlanDir_Idx = group;
  return load();
}

void CPlanList::changed(int group) {
  if (groupChanged) groupChanged(group);
}

// ---- Rows ----

TabRow CPlanList::newRow(const PlanFileInfo& entry) const {
  TabRow row;
  row.columns.resize(static_cast<std::size_t>(columnCount()));
  row.columns[col::kName] = entry.name;
  row.columns[col::kFileName] = entry.fileName;
  row.columns[col::kCreated] = TimeStamp14(entry.created);
  row.columns[col::kUpdated] = TimeStamp14(entry.updated);
  row.columns[col::kSize] = Eight(entry.textSize);
  row.columns[col::kUse] = usesOf(entry.fileName);
  row.columns[col::kHotkey] = PlanHotkeySlots(hotkeys_).keyText(
      PlanHotkeySlots(hotkeys_).find(shownGroup(), entry.fileName));
  return row;
}

// What the plan is set up for: called from other tabs, on capture, by a hotkey.
std::string CPlanList::usesOf(std::string_view fileName) const {
  std::string uses;
  auto add = [&uses](const char* use) {
    if (!uses.empty()) uses += "・";
    uses += use;
  };
  const int group = shownGroup();
  if (group == kPlanCallGroup) add("プラン呼び出し");
  if (group == kCapturePlanGroup && environment_.RirekiGetPlanFlg != 0 &&
      environment_.RirekiGetPlanName == fileName) {
    add("履歴取得時呼び出し");
  }
  if (PlanHotkeySlots(hotkeys_).find(group, fileName) >= 0) add("ホットキー");
  return uses;
}

void CPlanList::refreshUses() {
  PlanHotkeySlots slots(hotkeys_);
  for (int row = 0; row < rowCount(); ++row) {
    setText(row, col::kUse, usesOf(fileName(row)));
    setText(row, col::kHotkey, slots.keyText(slots.find(shownGroup(), fileName(row))));
  }
}

int CPlanList::loadGroup(std::string_view /*folder*/, int maximum) {
  setMaximumCount(maximum);
  removeAllRows();
  std::vector<std::string> unreadable;
  for (const PlanFileInfo& entry : store_.list(shownGroup(), &unreadable)) {
    if (rowCount() >= maximum) break;
    insertRow(rowCount(), newRow(entry));
  }
  // The readable plans are listed; each file that is not is named.
  for (const std::string& path : unreadable) {
    ui_.showMessage(PlanReadFailure("6m_FileGet", path), MessageIcon::kStop);
  }
  sortAgain();
  return 0;
}

// ---- Reading and storing ----

int CPlanList::readPlan(int row, PlanItem& record, std::string_view operation) {
  if (row < 0 || row >= rowCount()) return -1;
  if (store_.read(shownGroup(), fileName(row), record)) return 0;
  ui_.showMessage(PlanReadFailure(operation, store_.path(shownGroup(), fileName(row))),
                  MessageIcon::kStop);
  return -1;
}

int CPlanList::getValue(int row, std::string& value) {
  value.clear();
  PlanItem record;
  if (readPlan(row, record, "6m_FileGet_0") != 0) return -1;
  value = std::move(record.text);
  return 0;
}

int CPlanList::storePlan(int group, const PlanItem& record) {
  if (group < 0 || group >= kPlanGroupCount) return -1;
  FileError failure;
  const DateTime now = clock_.localNow();
  std::optional<std::string> name = store_.add(group, record, now, failure);
  if (!name) {
    if (failure.cause == FileCause::kDirectoryFull) {
      ui_.showMessage(kGroupFull, MessageIcon::kInformation);
    } else {
      ui_.showMessage(kWriteFailure, MessageIcon::kStop);
    }
    return -1;
  }
  if (group == shownGroup()) {
    insertRow(0, newRow({*name, record.name, now, now, record.text.size()}));
    select(0);
  }
  changed(group);
  return 0;
}

int CPlanList::updatePlan(int group, std::string_view file, const PlanItem& record) {
  if (FileFailure failure = store_.replace(group, file, record)) {
    ShowFileFailure(ui_, "ﾌｧｲﾙの書き込みに失敗しました(6m_Update)", *failure,
                    " \nアクセスが制限されています　\n保護されて変更できません　");
    return -1;
  }
  if (group == shownGroup()) {
    for (int row = 0; row < rowCount(); ++row) {
      if (fileName(row) != file) continue;
      setText(row, col::kName, record.name);
      setText(row, col::kUpdated, TimeStamp14(clock_.localNow()));
      setText(row, col::kSize, Eight(record.text.size()));
      select(row);
    }
    sortAgain();
  }
  changed(group);
  return 0;
}

int CPlanList::m_FileAdd(std::string_view recordText) {
  PlanItem record;
  if (!SplitPlanItem(recordText, record)) return -1;
  return storePlan(shownGroup(), record);
}

// ---- Deleting, moving, copying ----

// A capture plan that leaves its group is no longer called on capture.
void CPlanList::forgetCapturePlan(int group, std::string_view fileName) {
  if (group == kCapturePlanGroup && environment_.RirekiGetPlanName == fileName) {
    environment_.RirekiGetPlanFlg = 0;
    environment_.RirekiGetPlanName.clear();
  }
}

// A plan's file left the group shown: its row, its part as the capture plan and its hotkey go.
void CPlanList::planLeft(int row, int group, const std::string& fileName, int slot) {
  removeRow(row);
  forgetCapturePlan(group, fileName);
  changed(group);
  if (slot < 0) return;
  PlanHotkeySlots(hotkeys_).release(slot);
  if (hotkeysChanged) hotkeysChanged();
}

int CPlanList::deletePlan(int row) {
  if (row < 0 || row >= rowCount()) return -1;
  const int group = shownGroup();
  const std::string name = fileName(row);
  PlanHotkeySlots slots(hotkeys_);
  const int slot = slots.find(group, name);
  if (!Ask(ui_, slot >= 0 ? kHotkeyDeleteQuestion : "削除します。\nよろしいですか。")) return 0;
  // The file goes first: a row whose file could not be removed stays, as the file does.
  if (FileFailure failure = store_.remove(group, name)) {
    ShowFileFailure(ui_, "ﾌｧｲﾙの削除に失敗しました(6m_Dell)", *failure,
                    " \nアクセスが制限されています　\n保護されて削除できません　");
    return -1;
  }
  planLeft(row, group, name, slot);
  return 0;
}

int CPlanList::movePlan(int row, int group) {
  const int from = shownGroup();
  if (row < 0 || row >= rowCount() || group < 0 || group >= kPlanGroupCount || group == from) {
    return 0;
  }
  PlanItem record;
  if (readPlan(row, record, "6m_FileGet_0") != 0) return -1;
  const std::string name = fileName(row);
  PlanHotkeySlots slots(hotkeys_);
  const int slot = slots.find(from, name);
  if (slot >= 0 && !Ask(ui_, kHotkeyMoveQuestion)) return 0;
  if (storePlan(group, record) != 0) return -1;
  if (FileFailure failure = store_.remove(from, name)) {
    // The copy in the other group stays; the plan is then in both groups, nothing is lost.
    ui_.showMessage("ﾌｧｲﾙの削除に失敗しました(6m_Dell)", MessageIcon::kStop);
    return -1;
  }
  planLeft(row, from, name, slot);
  return 0;
}

int CPlanList::copyPlan(int row, int group) {
  PlanItem record;
  if (readPlan(row, record, "6m_FileGet_0") != 0) return -1;
  return storePlan(group, record);
}

int CPlanList::copyToShared(int row) {
  if (!sharedStore) return 0;
  PlanItem record;
  if (readPlan(row, record, "6m_FileGet_0") != 0) return -1;
  if (!Ask(ui_, "プランを共有に複写してよろしいですか？　")) return 0;
  return sharedStore(record.name, BuildPlanItem(record));
}

int CPlanList::importPlanFile(std::string_view path) {
  PlanItem record;
  if (ReadPlanFile(fs_, ui_, path, record) != 0) return -1;
  return storePlan(shownGroup(), record);
}

// ---- Order ----

bool CPlanList::reorderable() const {
  return sortColumn() == col::kCreated && direction(col::kCreated) == 0;
}

int CPlanList::reorder(int from, int to) {
  if (!reorderable() || from < 0 || from >= rowCount() || to < 0 || to >= rowCount() ||
      from == to) {
    return 0;
  }
  TabRow moved = row(from);
  removeRow(from);
  insertRow(to, std::move(moved));
  select(to);
  // The top row gets now, each row below one second less, so that creation order is this order.
  const DateTime now = clock_.localNow();
  for (int i = 0; i < rowCount(); ++i) {
    DateTime created = AddMilliseconds(now, -1000LL * i);
    if (store_.setCreated(shownGroup(), fileName(i), created)) {
      ui_.showMessage("任意並び替えによるﾌｧｲﾙの属性変更に失敗しました(6m_CreateDateChangF)",
                      MessageIcon::kStop);
      load();
      changed(shownGroup());
      return -1;
    }
    setText(i, col::kCreated, TimeStamp14(created));
  }
  changed(shownGroup());
  return 0;
}

MenuModel CPlanList::loadMenu(const TabMenuContext& context) {
  TabMenuContext planContext = context;
  for (int group = 0; group < kPlanGroupCount; ++group) {
    planContext.ownGroupNames[static_cast<std::size_t>(group)] = groupName(group);
  }
  planContext.currentOwnGroup = shownGroup();
  planContext.sharedTabEnabled = context.sharedTabEnabled && static_cast<bool>(sharedStore);
  return PlanMenu(planContext);
}

}  // namespace qb
