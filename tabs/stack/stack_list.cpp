#include "tabs/stack/stack_list.h"

#include <cstdio>

#include "base/numbers.h"
#include "base/preview.h"
#include "base/records.h"
#include "base/time_format.h"
#include "history/file_helpers.h"
#include "history/store_folders.h"

namespace qb {

namespace col = stack_column;

namespace {

std::string Eight(std::size_t number) {
  char text[24];
  std::snprintf(text, sizeof text, "%08zu", number);
  return text;
}

bool ValidGroup(int group) { return group >= 0 && group < kGroupCount; }

}  // namespace

StackRecord SplitStackRecord(std::string_view record) {
  std::vector<std::string> fields = SplitFields(record, 6);
  fields.resize(6);
  return {fields[0], fields[1], fields[2], fields[5]};
}

CStackList::CStackList(FileSystem& fs, Ui& ui, StackItemWriter& writer, std::string dataHome)
    : CTabList(TabKind::kStack), fs_(fs), ui_(ui), writer_(writer), dataHome_(std::move(dataHome)) {
  // Newest items first; values and sizes ascending.
  setDefaultDirection(col::kCreated, 0);
  setDefaultDirection(col::kUpdated, 0);
  setInitialSortColumn(col::kCreated);
  setMaximumCount(kStackGroupMaximum);
}

std::string CStackList::groupFolder(int group) const { return StackGroupFolder(dataHome_, group); }

std::string CStackList::pathOf(int row) const {
  return groupFolder(group_) + "\\" + text(row, col::kFileName);
}

TabRow CStackList::rowOf(const StackRecord& record, const FileEntry& file) const {
  std::string preview = MakePreview(record.value);
  TabRow row;
  row.columns.resize(static_cast<std::size_t>(columnCount()));
  row.columns[col::kValue] = preview;
  row.columns[col::kFileName] = file.name;
  row.columns[col::kCreated] = TimeStamp14(file.created) + record.sequence;
  row.columns[col::kUpdated] = TimeStamp14(file.lastWritten) + record.sequence;
  row.columns[col::kCount] = record.useCount;
  row.columns[col::kSize] = Eight(record.value.size());
  row.columns[col::kPlanName] = record.label;
  row.columns[col::kRealValue] = std::move(preview);
  return row;
}

int CStackList::showGroup(int group) {
  if (!ValidGroup(group)) return -1;
  switchGroup(group);
  group_ = group;
  return loadGroup(groupFolder(group), kStackGroupMaximum);
}

int CStackList::loadGroup(std::string_view folder, int maximum) {
  removeAllRows();
  for (const FileEntry& file : fs_.list(std::string(folder) + "\\*.cln")) {
    if (rowCount() >= maximum) break;
    if (file.isFolder) continue;
    if (m_FileGet(file) != 0) return -1;
  }
  sortAgain();
  return 0;
}

int CStackList::m_FileGet(const FileEntry& file) {
  FileResult<std::string> read = fs_.readWhole(groupFolder(group_) + "\\" + file.name);
  if (!read.ok()) {
    ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(7m_FileGet)　\n" + FileErrorText(read.error.cause),
                    MessageIcon::kStop);
    return -1;
  }
  insertRow(rowCount(), rowOf(SplitStackRecord(*read.value), file));
  return 0;
}

int CStackList::m_FileGet_0(std::string_view fileName) {
  const std::string path = groupFolder(group_) + "\\" + std::string(fileName);
  FileResult<std::string> read = fs_.readWhole(path);
  FileResult<FileTimes> times = fs_.times(path);
  if (!read.ok() || !times.ok()) {
    FileCause cause = !read.ok() ? read.error.cause : times.error.cause;
    ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(7m_FileGet_0)　\n" + FileErrorText(cause),
                    MessageIcon::kStop);
    return -1;
  }
  FileEntry file{std::string(fileName), false, read.value->size(), times.value->created,
                 times.value->lastWritten};
  insertRow(0, rowOf(SplitStackRecord(*read.value), file));
  return 0;
}

void CStackList::dropReplacedRows(std::string_view newFileName) {
  for (int row = rowCount() - 1; row >= 0; --row) {
    if (text(row, col::kFileName) == newFileName || !fs_.attributes(pathOf(row))) removeRow(row);
  }
}

int CStackList::storeStackOutput(int group, std::string_view label, std::string_view text) {
  if (!ValidGroup(group)) return -1;
  std::string fileName;
  if (writer_.store(groupFolder(group), label, text, &fileName) != 0) return -1;
  return itemStored(group, fileName);
}

int CStackList::itemStored(int group, std::string_view fileName) {
  if (group != group_) return 0;
  dropReplacedRows(fileName);
  return m_FileGet_0(fileName);
}

int CStackList::clearGroup(int group) {
  if (!ValidGroup(group)) return -1;
  const std::string folder = groupFolder(group);
  if (group == group_) removeAllRows();
  for (const FileEntry& file : fs_.list(folder + "\\*.cln")) {
    if (file.isFolder) continue;
    if (fs_.remove(folder + "\\" + file.name)) {
      ui_.showMessage("ﾌｧｲﾙの削除に失敗しました(7m_AllDel)", MessageIcon::kStop);
      if (group == group_) loadGroup(folder, kStackGroupMaximum);
      return -1;
    }
  }
  return 0;
}

int CStackList::m_Dell(int row) {
  if (row < 0 || row >= rowCount()) return -1;
  if (FileFailure failure = fs_.remove(pathOf(row))) {
    ui_.showMessage(failure->cause == FileCause::kAccessDenied
                        ? "ﾌｧｲﾙの削除に失敗しました(7m_Dell) \nアクセスが制限されています　\n保護されて削除できません　"
                        : "ﾌｧｲﾙの削除に失敗しました(7m_Dell)",
                    MessageIcon::kStop);
    return -1;
  }
  removeRow(row);
  return 0;
}

int CStackList::getValue(int row, std::string& value) {
  value.clear();
  if (row < 0 || row >= rowCount()) return -1;
  if (static_cast<std::size_t>(ParseLeadingInt(text(row, col::kSize))) <= kPreviewBytes) {
    value = text(row, col::kRealValue);
    return 0;
  }
  FileResult<std::string> read = fs_.readWhole(pathOf(row));
  if (!read.ok()) {
    ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(7m_FileGet_0)　\n" + FileErrorText(read.error.cause),
                    MessageIcon::kStop);
    return -1;
  }
  value = SplitStackRecord(*read.value).value;
  return 0;
}

}  // namespace qb
