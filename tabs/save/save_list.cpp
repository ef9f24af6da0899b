#include "tabs/save/save_list.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/tablist/import_file.h"
#include "base/numbers.h"
#include "base/preview.h"
#include "base/text_limits.h"
#include "base/time_format.h"
#include "base/utf8.h"
#include "history/history_record.h"
#include "history/store_folders.h"
#include "macros/macro_analyzer.h"
#include "tabs/save/quiet_ui.h"
#include "tabs/save/save_commands.h"

namespace qb {

namespace col = save_column;

namespace {

constexpr std::string_view kSeparator = ":::";
// The value starts this many bytes after the label's separator (":::0:::0:::").
constexpr std::size_t kValueOffset = 11;

std::string Eight(std::size_t number) {
  char text[24];
  std::snprintf(text, sizeof text, "%08zu", number);
  return text;
}

std::string FileMessage(const char* text, FileFailure failure, const char* deniedTail) {
  std::string message = text;
  if (failure && failure->cause == FileCause::kAccessDenied) message += deniedTail;
  return message;
}

}  // namespace

SaveRecord SplitSaveRecord(std::string_view record) {
  SaveRecord parts;
  std::size_t separator = record.find(kSeparator);
  if (separator == std::string_view::npos) {
    parts.value = std::string(record);
    return parts;
  }
  parts.label = std::string(record.substr(0, separator));
  std::string_view rest = record.substr(separator + kSeparator.size());
  parts.reserved = std::string(rest.substr(0, std::min(rest.size(), rest.find(kSeparator))));
  std::size_t valueStart = separator + kValueOffset;
  if (valueStart < record.size()) parts.value = std::string(record.substr(valueStart));
  return parts;
}

bool IsLaterVersion(std::string_view version) {
  if (version.size() < 2 || version[0] != 'V') return false;
  auto parse = [](std::string_view text) {
    std::size_t dot = text.find('.');
    int major = ParseLeadingInt(text.substr(1));
    int minor = dot == std::string_view::npos ? 0 : ParseLeadingInt(text.substr(dot + 1));
    return std::pair{major, minor};
  };
  return parse(version) > parse(kProgramVersion);
}

CSaveList::CSaveList(FileSystem& fs, Clock& clock, Ui& ui, EnvironmentSettings& settings,
                     SaveStoreSetup setup)
    : CTabList(TabKind::kSave),
      fs_(fs),
      clock_(clock),
      ui_(ui),
      settings_(settings),
      dataHome_(std::move(setup.dataHome)),
      writer_(fs, clock, ui, std::move(setup.requestClose)),
      companions_(fs) {
  // Newest first; labels, values and sizes ascending.
  setDefaultDirection(col::kCreated, 0);
  setDefaultDirection(col::kUpdated, 0);
  setInitialSortColumn(col::kCreated);
  setMaximumCount(kSaveGroupMaximum);
}

int CSaveList::shownGroup() const { return std::clamp(settings_.CLIPDIR_IDX, 0, kGroupCount - 1); }

std::string CSaveList::groupName(int group) const {
  return group >= 0 && group < kGroupCount ? settings_.CLIPDIR_AR[static_cast<std::size_t>(group)]
                                           : std::string();
}

std::string CSaveList::groupFolder(int group) const { return SaveGroupFolder(dataHome_, group); }

std::string CSaveList::pathOf(int row) const {
  return groupFolder(shownGroup()) + "\\" + text(row, col::kFileName);
}

int CSaveList::macroFlags(std::string_view value) const {
  if (value.find("<@@") == std::string_view::npos) return 0;
  QuietUi quiet;
  MacroAnalyzer analyzer(quiet, clock_, MacroSettings{settings_.Wareki_Base});
  std::string expanded;
  std::string version;
  MacroElementTable table;
  return analyzer.m_Analyze(value, expanded, table, version, AnalyzeMode::kMacrosOnly);
}

void CSaveList::refreshValueColumns(int row, std::string_view value, std::string_view exact) {
  std::string preview = MakePreview(value);
  setText(row, col::kValue, settings_.KaigyoTabDsp == 1 ? ShowBreaksAndTabs(preview) : preview);
  std::string exactPreview = exact.empty() ? std::string() : MakeUtf8Preview(exact);
  setExactShown(row, settings_.KaigyoTabDsp == 1 ? ShowUtf8BreaksAndTabs(exactPreview)
                                                 : std::move(exactPreview));
  setText(row, col::kSize, Eight(value.size()));
  setText(row, col::kMacros, std::to_string(macroFlags(value)));
}

TabRow CSaveList::newRow(std::string_view fileName, std::string_view label,
                         const DateTime& created,
                         const DateTime& updated) const {
  TabRow row;
  row.columns.resize(static_cast<std::size_t>(columnCount()));
  row.columns[col::kLabel] = std::string(label);
  row.columns[col::kFileName] = std::string(fileName);
  row.columns[col::kCreated] = TimeStamp14(created);
  row.columns[col::kUpdated] = TimeStamp14(updated);
  return row;
}

// ---- Loading and groups ----

int CSaveList::loadGroup(std::string_view folder, int maximum) {
  setMaximumCount(maximum);
  removeAllRows();
  const std::vector<FileEntry> files = fs_.list(std::string(folder) + "\\*.cln");
  std::vector<std::string> names;
  for (const FileEntry& file : files) {
    if (!file.isFolder) names.push_back(file.name);
  }
  // A companion whose item is gone goes now.
  const std::vector<std::string> withCompanion = companions_.keepOnlyThoseOf(folder, names);
  for (const FileEntry& file : files) {
    if (rowCount() >= maximum) break;
    if (file.isFolder) continue;
    const std::string path = std::string(folder) + "\\" + file.name;
    FileResult<std::string> read = fs_.readWhole(path);
    if (!read.ok()) {
      ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(2m_FileGet_2)", MessageIcon::kStop);
      continue;  // the other items are still shown
    }
    SaveRecord record = SplitSaveRecord(*read.value);
    insertRow(rowCount(), newRow(file.name, record.label, file.created,
                                 file.lastWritten));
    const bool hasCompanion =
        std::find(withCompanion.begin(), withCompanion.end(), file.name) != withCompanion.end();
    refreshValueColumns(rowCount() - 1, record.value,
                        hasCompanion ? companions_.read(path, record.value) : std::string());
  }
  sortAgain();
  return 0;
}

void CSaveList::switchGroup(int /*group*/) {
  std::size_t left = static_cast<std::size_t>(shownGroup());
  settings_.Hozon_Label_Width[left] = labelWidth();
  labelWidth_ = -1;
}

int CSaveList::chooseGroup(int group) {
  if (group < 0 || group >= kGroupCount) return -1;
  switchGroup(group);
  settings_.CLIPDIR_IDX = group;
  return load();
}

int CSaveList::labelWidth() const {
  int width = labelWidth_ >= 0
                  ? labelWidth_
                  : settings_.Hozon_Label_Width[static_cast<std::size_t>(shownGroup())];
  return std::clamp(width, kSaveLabelWidthMin, kSaveLabelWidthMax);
}

void CSaveList::setLabelWidth(int width) {
  labelWidth_ = std::clamp(width, kSaveLabelWidthMin, kSaveLabelWidthMax);
}

TabColours CSaveList::colours() const {
  if (settings_.TabColorHGpFlg == 1) {
    return ColoursFromSettings(settings_.TabColorTextHz, settings_.TabColorBackHz);
  }
  std::size_t group = static_cast<std::size_t>(shownGroup());
  return ColoursFromSettings(settings_.TabColorTextHGp[group], settings_.TabColorBackHGp[group]);
}

// ---- Storing ----

int CSaveList::storeInGroup(int group, std::string_view label, std::string_view value,
                             std::string_view exact) {
  if (group < 0 || group >= kGroupCount) return -1;
  // A cut value is not the text any more: no exact form belongs to it.
  if (value.size() > kMaxValueBytes) exact = {};
  value = value.substr(0, std::min(value.size(), kMaxValueBytes));
  if (group == shownGroup()) return storeInShownGroup(label, value, exact);
  const std::string folder = groupFolder(group);
  const int number = NextFolderItemNumber(fs_, ui_, folder, kSaveGroupMaximum);
  if (number < 0 || writer_.write(folder, number, label, value) != 0) return -1;
  storeCompanion(folder + "\\" + SaveFileName(number), value, exact);
  return 0;
}

std::string CSaveList::storeCompanion(std::string_view itemPath, std::string_view value,
                                      std::string_view exact) {
  std::string kept = KeepableExactForm(value, exact);
  if (kept.empty()) {
    companions_.remove(itemPath);
  } else if (!companions_.write(itemPath, value, kept, clock_.localNow())) {
    kept.clear();
  }
  return kept;
}

int CSaveList::storeInShownGroup(std::string_view label, std::string_view value,
                                 std::string_view exact) {
  std::vector<NumberedRow> rows;
  for (int i = 0; i < rowCount(); ++i) {
    rows.push_back({text(i, col::kFileName), text(i, col::kUpdated), i});
  }
  ItemNumberChoice choice = ChooseItemNumber(std::move(rows), kSaveGroupMaximum);
  const std::string folder = groupFolder(shownGroup());
  if (choice.rowToDelete < 0 && fs_.attributes(folder + "\\" + SaveFileName(choice.number))) {
    // A file the list does not show (unreadable at load) keeps its number.
    choice.number = NextFolderItemNumber(fs_, ui_, folder, kSaveGroupMaximum);
    if (choice.number < 0) return -1;
  }
  // A full group gives up its least recently written item: its file is written over, so a
  // failed write leaves it where it was.
  if (writer_.write(folder, choice.number, label, value) != 0) return -1;
  const std::string kept = storeCompanion(folder + "\\" + SaveFileName(choice.number), value, exact);
  if (choice.rowToDelete >= 0) removeRow(choice.rowToDelete);
  DateTime now = clock_.localNow();
  insertRow(0, newRow(SaveFileName(choice.number), StorableLabel(label), now, now));
  refreshValueColumns(0, value, kept);
  return 0;
}

int CSaveList::newItem() { return storeInGroup(shownGroup(), "", ""); }

int CSaveList::importFile(ImportKind kind, std::string_view path) {
  std::string value;
  if (ImportedValue(fs_, ui_, kind, path, value) != 0) return -1;
  return storeInGroup(shownGroup(), "", value);
}

// ---- Reading ----

int CSaveList::readRecord(int row, SaveRecord& record) {
  if (row < 0 || row >= rowCount()) return -1;
  FileResult<std::string> read = fs_.readWhole(pathOf(row));
  if (!read.ok()) {
    ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(2m_FileGet_2)", MessageIcon::kStop);
    return -1;
  }
  record = SplitSaveRecord(*read.value);
  return 0;
}

int CSaveList::refuseLaterVersion(const SaveRecord& record) {
  if (!IsLaterVersion(record.reserved)) return 0;
  ui_.showMessage("このデータは上位バージョン " + record.reserved + " の機能を含んでいるため操作できません",
                  MessageIcon::kExclamation);
  return -1;
}

int CSaveList::checkVersion(int row) {
  SaveRecord record;
  if (readRecord(row, record) != 0) return -1;
  return refuseLaterVersion(record);
}

int CSaveList::readItem(int row, std::string& label, std::string& value) {
  label.clear();
  value.clear();
  SaveRecord record;
  if (readRecord(row, record) != 0) return -1;
  if (refuseLaterVersion(record) != 0) return -1;
  label = std::move(record.label);
  value = std::move(record.value);
  return 0;
}

int CSaveList::getValue(int row, std::string& value) {
  std::string label;
  return readItem(row, label, value);
}

int CSaveList::exactValue(int row, std::string& exact) {
  exact.clear();
  if (row < 0 || row >= rowCount() || this->row(row).exactShown.empty()) return 0;
  std::string value;
  if (getValue(row, value) != 0) return -1;
  exact = companions_.read(pathOf(row), value);
  return 0;
}

// ---- Changing and deleting ----

int CSaveList::updateItem(int row, std::string_view label, std::string_view value) {
  if (row < 0 || row >= rowCount()) return -1;
  value = value.substr(0, std::min(value.size(), kMaxValueBytes));
  if (rewriteItem(row, label, value) != 0) return -1;
  // The companion stays while the value does (a new label); a changed value no longer fits it,
  // and the read removes it.
  const std::string exact =
      this->row(row).exactShown.empty() ? std::string() : companions_.read(pathOf(row), value);
  refreshValueColumns(row, value, exact);
  return 0;
}

int CSaveList::updateExactItem(int row, std::string_view label, std::string_view value,
                               std::string_view exact) {
  if (row < 0 || row >= rowCount()) return -1;
  // A cut value is not the text any more: no exact form belongs to it.
  if (value.size() > kMaxValueBytes) exact = {};
  value = value.substr(0, std::min(value.size(), kMaxValueBytes));
  if (rewriteItem(row, label, value) != 0) return -1;
  refreshValueColumns(row, value, storeCompanion(pathOf(row), value, exact));
  return 0;
}

int CSaveList::rewriteItem(int row, std::string_view label, std::string_view value) {
  if (FileFailure failure = fs_.replaceAtomically(pathOf(row), BuildSaveRecord(label, value))) {
    ui_.showMessage(FileMessage("ﾌｧｲﾙの書き込みに失敗しました(m_Update)", failure,
                                " \nアクセスが制限されています　\n保護されて変更できません　"),
                    MessageIcon::kStop);
    return -1;
  }
  setText(row, col::kLabel, std::string(StorableLabel(label)));
  setText(row, col::kUpdated, TimeStamp14(clock_.localNow()));
  return 0;
}

int CSaveList::deleteItem(int row, bool ask) {
  if (row < 0 || row >= rowCount()) return -1;
  if (ask && settings_.Hozon_Del_Flg == 1 &&
      ui_.showMessage("削除します。\nよろしいですか。", MessageIcon::kQuestion,
                      MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return 0;
  }
  // The file goes first: a row whose file could not be removed stays, as the file does.
  if (FileFailure failure = fs_.remove(pathOf(row))) {
    ui_.showMessage(FileMessage("ﾌｧｲﾙの削除に失敗しました(2m_Dell)", failure,
                                " \nアクセスが制限されています　\n保護されて削除できません　"),
                    MessageIcon::kStop);
    return -1;
  }
  companions_.remove(pathOf(row));
  removeRow(row);
  return 0;
}

int CSaveList::copyToSaveGroup(int row, int group) {
  std::string label;
  std::string value;
  std::string exact;
  if (readItem(row, label, value) != 0 || exactValue(row, exact) != 0) return -1;
  return storeInGroup(group, label, value, exact);
}

int CSaveList::moveToGroup(int row, int group) {
  std::string label;
  std::string value;
  std::string exact;
  if (readItem(row, label, value) != 0 || exactValue(row, exact) != 0) return -1;
  if (storeInGroup(group, label, value, exact) != 0) return -1;
  // Into the group shown the new item went to the top, above the source row.
  return deleteItem(group == shownGroup() ? row + 1 : row, /*ask=*/false);
}

// ---- Order ----

bool CSaveList::reorderable() const {
  return sortColumn() == col::kCreated && direction(col::kCreated) == 0;
}

int CSaveList::reorder(int from, int to) {
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
    if (fs_.setTimes(pathOf(i), created, std::nullopt)) {
      ui_.showMessage("任意並び替えによるﾌｧｲﾙの属性変更に失敗しました(m_CreateDateChangF)",
                      MessageIcon::kStop);
      load();
      return -1;
    }
    setText(i, col::kCreated, TimeStamp14(created));
  }
  return 0;
}

MenuModel CSaveList::loadMenu(const TabMenuContext& context) {
  MenuModel menu = SaveMenuPattern();
  InsertGroupSubmenus(menu, context);
  PrepareTabMenu(menu, context);
  return menu;
}

}  // namespace qb
