#include "history/history_list.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/tablist/tab_columns.h"
#include "base/byte_shift.h"
#include "base/numbers.h"
#include "base/preview.h"
#include "base/sjis.h"
#include "base/text_limits.h"
#include "base/time_format.h"
#include "base/utf8.h"
#include "history/file_helpers.h"
#include "history/history_record.h"
#include "history/item_numbers.h"

namespace qb {

namespace col = history_column;

namespace {

constexpr int kImageUnused = 1;
constexpr int kDefaultHistoryMaximum = 300;
constexpr int kImageReused = 0;

std::string Eight(long long number) {
  char text[24];
  std::snprintf(text, sizeof text, "%08lld", number);
  return text;
}

}  // namespace

CHistoryList::CHistoryList(FileSystem& fs, Clock& clock, Ui& ui,
                           const EnvironmentSettings& settings, HistoryStoreSetup setup)
    : CTabList(TabKind::kHistory),
      fs_(fs),
      clock_(clock),
      ui_(ui),
      settings_(settings),
      folder_(setup.dataHome + "clipsave"),
      owner_(std::move(setup.owner)),
      requestClose_(std::move(setup.requestClose)),
      companions_(fs) {
  // Newest, most used and reused items first; values and sizes ascending.
  for (int column : {col::kMarker, col::kCreated, col::kUpdated, col::kCount}) {
    setDefaultDirection(column, 0);
  }
  setInitialSortColumn(col::kCreated);
}

std::string CHistoryList::pathOf(int row) const {
  return folder_ + "\\" + text(row, col::kFileName);
}

std::string CHistoryList::displayValue(std::string_view preview) const {
  if (settings_.KaigyoTabDsp != 1) return std::string(preview);
  std::string shown;
  shown.reserve(preview.size());
  for (char c : preview) {
    if (c == '\r' || c == '\n' || c == '\t') {
      shown += "・";
    } else {
      shown += c;
    }
  }
  return shown;
}

TabRow CHistoryList::newRow(std::string_view value, std::string_view fileName,
                            const std::string& stamp, std::string_view label,
                            std::string_view exact) const {
  std::string preview = MakePreview(value);
  TabRow row;
  row.image = kImageUnused;
  row.columns.resize(static_cast<std::size_t>(columnCount()));
  row.columns[col::kValue] = displayValue(preview);
  row.columns[col::kFileName] = std::string(fileName);
  row.columns[col::kCreated] = stamp;
  row.columns[col::kUpdated] = stamp;
  row.columns[col::kCount] = "00000000";
  row.columns[col::kSize] = Eight(static_cast<long long>(value.size()));
  row.columns[col::kSource] = std::string(label);
  row.columns[col::kRealValue] = std::move(preview);
  if (!exact.empty()) {
    std::string exactPreview = MakeUtf8Preview(exact);
    row.exactShown =
        settings_.KaigyoTabDsp == 1 ? ShowUtf8BreaksAndTabs(exactPreview) : std::move(exactPreview);
  }
  return row;
}

int CHistoryList::fail(std::string_view message) {
  ui_.showMessage(message, MessageIcon::kStop);
  if (requestClose_) requestClose_();
  return -1;
}

// ---- Loading ----

int CHistoryList::loadGroup(std::string_view folder, int maximum) {
  if (listGroup(folder, maximum) != 0) return -1;
  return loadContents(-1);
}

int CHistoryList::listGroup(std::string_view folder, int maximum) {
  if (maximum < 1) maximum = kDefaultHistoryMaximum;
  setMaximumCount(maximum);
  removeAllRows();
  pending_.clear();
  beyondMaximum_.clear();
  unloadedNumbers_.clear();
  withCompanion_.clear();
  if (!PathExists(fs_, folder) && fs_.createFolder(folder)) {
    return fail("履歴格納用ﾌｫﾙﾀﾞの作成に失敗しました");
  }
  FileResult<std::vector<FileEntry>> listed = fs_.tryList(std::string(folder) + "\\*.cln");
  if (!listed.ok()) return fail("ﾌｧｲﾙの読み込みに失敗しました(m_FileGet)");
  std::vector<FileEntry>& files = *listed.value;
  std::sort(files.begin(), files.end(),
            [](const FileEntry& a, const FileEntry& b) { return a.name < b.name; });
  std::vector<std::string> names;
  names.reserve(files.size());
  for (const FileEntry& file : files) {
    if (!file.isFolder) names.push_back(file.name);
  }
  // A companion whose item is gone (a crash between their removals) goes now.
  for (std::string& name : companions_.keepOnlyThoseOf(folder, names)) {
    withCompanion_.insert(std::move(name));
  }
  for (FileEntry& file : files) {
    if (file.isFolder) continue;
    if (rowCount() < maximum) {
      addPendingRow(std::move(file));
    } else {
      unloadedNumbers_.push_back(ItemNumberOf(file.name));
      beyondMaximum_.push_back(std::move(file));
    }
  }
  std::reverse(beyondMaximum_.begin(), beyondMaximum_.end());  // the lowest name taken first
  sortAgain();
  return 0;
}

void CHistoryList::addPendingRow(FileEntry file) {
  TabRow row;
  row.image = kImageUnused;
  row.columns.resize(static_cast<std::size_t>(columnCount()));
  row.columns[col::kFileName] = file.name;
  row.columns[col::kCreated] = TimeStamp14(file.created) + "000";
  row.columns[col::kUpdated] = TimeStamp14(file.lastWritten) + "000";
  std::string name = file.name;
  pending_.emplace(std::move(name), std::move(file));
  insertRow(rowCount(), std::move(row));
}

int CHistoryList::loadContents(int count) {
  if (closed_) return -1;
  for (int done = 0; !pending_.empty() && (count < 0 || done < count); ++done) {
    int row = rowCount() - 1;
    while (row >= 0 && !isPending(row)) --row;
    if (row < 0) {
      pending_.clear();
      break;
    }
    if (loadRow(row) < -1) return -1;
  }
  if (pending_.empty()) sortAgain();
  return 0;
}

bool CHistoryList::isPending(int row) const {
  return !pending_.empty() && pending_.count(text(row, col::kFileName)) != 0;
}

int CHistoryList::loadRow(int row) {
  auto it = pending_.find(text(row, col::kFileName));
  if (it == pending_.end()) return 0;
  FileEntry file = std::move(it->second);
  pending_.erase(it);
  std::optional<TabRow> loaded;
  if (readItemRow(file, loaded) != 0) return -2;
  if (!loaded) {
    // Another owner's file: gone from the folder and the list; the next file beyond the
    // maximum takes its place.
    removeRow(row);
    if (!beyondMaximum_.empty()) {
      unloadedNumbers_.erase(std::find(unloadedNumbers_.begin(), unloadedNumbers_.end(),
                                       ItemNumberOf(beyondMaximum_.back().name)));
      addPendingRow(std::move(beyondMaximum_.back()));
      beyondMaximum_.pop_back();
    }
    return -1;
  }
  for (int column = 0; column < columnCount(); ++column) {
    setText(row, column, std::move(loaded->columns[static_cast<std::size_t>(column)]));
  }
  setImage(row, loaded->image);
  setExactShown(row, std::move(loaded->exactShown));
  return 0;
}

void CHistoryList::dropRow(int row) {
  if (!pending_.empty()) pending_.erase(text(row, col::kFileName));
  removeRow(row);
}

int CHistoryList::withContents(int row) {
  if (row < 0 || row >= rowCount()) return -1;
  if (!isPending(row)) return 0;
  return loadRow(row) == 0 ? 0 : -1;
}

int CHistoryList::m_FileGet_2(std::string_view path, std::string& record) {
  FileResult<std::string> read = fs_.readWhole(path);
  if (!read.ok()) {
    record.clear();
    return fail("ﾌｧｲﾙの読み込みに失敗しました(m_FileGet_2)");
  }
  record = std::move(*read.value);
  ShiftBytesDownInPlace(record);
  return 0;
}

int CHistoryList::readItemRow(const FileEntry& file, std::optional<TabRow>& row) {
  row.reset();
  std::string path = folder_ + "\\" + file.name;
  std::string record;
  if (m_FileGet_2(path, record) != 0) return -1;
  HistoryRecord parts = SplitHistoryRecord(record);
  const bool hasCompanion = withCompanion_.erase(file.name) != 0;
  if (parts.owner != owner_) {
    if (fs_.remove(path)) return fail("ﾌｧｲﾙの削除に失敗しました(m_FileGet)");
    if (hasCompanion) companions_.remove(path);
    return 0;
  }
  // Without its companion (or with one written for another value) the item shows its
  // code-page-932 form.
  const std::string exact = hasCompanion ? companions_.read(path, parts.value) : std::string();
  row = newRow(parts.value, file.name, TimeStamp14(file.created) + parts.sequence, parts.label,
               exact);
  row->columns[col::kUpdated] = TimeStamp14(file.lastWritten) + parts.sequence;
  row->columns[col::kCount] = parts.useCount;
  if (parts.useCount != "00000000") {
    row->columns[col::kMarker] = ".";
    row->image = kImageReused;
  }
  return 0;
}

int CHistoryList::m_FileGet(const FileEntry& file) {
  std::optional<TabRow> row;
  if (readItemRow(file, row) != 0) return -1;
  if (row) insertRow(rowCount(), std::move(*row));
  return 0;
}

// ---- Storing ----

ItemNumberChoice CHistoryList::NextItemNumber() const {
  std::vector<NumberedRow> rows;
  rows.reserve(static_cast<std::size_t>(rowCount()));
  for (int i = 0; i < rowCount(); ++i) {
    rows.push_back({text(i, col::kFileName), text(i, col::kUpdated), i});
  }
  return ChooseItemNumber(rows, maximumCount(), unloadedNumbers_);
}

int CHistoryList::m_FileAdd(std::string_view value) { return addItem(value, kOwnStoreLabel); }

int CHistoryList::addItem(std::string_view value, std::string_view label,
                          std::string_view exact) {
  if (closed_) return -1;
  // A cut value is not the text any more: no exact form belongs to it.
  std::string keptExact = value.size() > kMaxValueBytes ? std::string()
                                                        : KeepableExactForm(value, exact);
  value = WholeCharacterPrefix(value, kMaxValueBytes);
  ItemNumberChoice choice = NextItemNumber();
  std::string fileName = HistoryFileName(choice.number);
  std::string path = folder_ + "\\" + fileName;

  DateTime now = clock_.localNow();
  std::string sequence = SequenceText(sequence_.next(now));
  label = StorableLabel(label);
  std::string record = BuildHistoryRecord(0, owner_, sequence, label, value);
  ShiftBytesUpInPlace(record);

  // The item appears under its name only whole, with its creation time. At the maximum the
  // least recently written item gives up its number: its file is replaced in the same step, so a
  // failed write leaves it in place.
  if (fs_.writeAtomically(path, record, now)) return fail("ﾌｧｲﾙの書き込みに失敗しました(m_FileAdd)");
  // The companion follows its item, never the other way round: a crash between the two leaves
  // the item as it is without one. The companion of an item this one replaced goes.
  if (keptExact.empty()) {
    companions_.remove(path);
  } else if (!companions_.write(path, value, keptExact, now)) {
    keptExact.clear();
  }
  if (choice.rowToDelete >= 0) dropRow(choice.rowToDelete);
  insertRow(0, newRow(value, fileName, TimeStamp14(now) + sequence, label, keptExact));
  return 0;
}

int CHistoryList::m_Dell(int row) {
  if (closed_ || row < 0 || row >= rowCount()) return -1;
  std::string path = pathOf(row);
  dropRow(row);
  if (fs_.remove(path)) return fail("ﾌｧｲﾙの削除に失敗しました(m_Dell)");
  companions_.remove(path);
  return 0;
}

int CHistoryList::m_AllDel() {
  if (closed_) return -1;
  removeAllRows();
  pending_.clear();
  beyondMaximum_.clear();
  unloadedNumbers_.clear();
  withCompanion_.clear();
  // A folder that cannot be listed is a failure: its items would come back at the next start.
  FileResult<std::vector<FileEntry>> listed = fs_.tryList(folder_ + "\\*.cln");
  if (!listed.ok()) return fail("ﾌｧｲﾙの削除に失敗しました(m_AllDel)");
  for (const FileEntry& file : *listed.value) {
    if (file.isFolder) continue;
    if (fs_.remove(folder_ + "\\" + file.name)) return fail("ﾌｧｲﾙの削除に失敗しました(m_AllDel)");
  }
  companions_.keepOnlyThoseOf(folder_, {});  // every companion: no item is left
  return 0;
}

int CHistoryList::m_HistTopMove(int row) {
  if (closed_ || row < 0 || row >= rowCount()) return -1;
  DateTime now = clock_.localNow();
  if (fs_.setTimes(pathOf(row), now, std::nullopt)) {
    return fail("ﾌｧｲﾙの属性変更に失敗しました(m_HistTopMove)：");
  }
  setText(row, col::kCreated, TimeStamp14(now) + SequenceText(sequence_.current()));
  return 0;
}

int CHistoryList::incrementUseCount(int row) {
  if (closed_ || withContents(row) != 0) return -1;
  std::string path = pathOf(row);
  std::string record;
  if (m_FileGet_2(path, record) != 0) return -1;
  // Only the count part changes, whatever its length was: the owner and the rest stay as read.
  const std::size_t countEnd = record.find(":::");
  if (countEnd == std::string::npos) return -1;  // no longer an item record; the next load drops it
  long long count = ParseLeadingInt(std::string_view(record).substr(0, countEnd)) + 1LL;
  std::string countText = Eight(count);
  record.replace(0, countEnd, countText);
  ShiftBytesUpInPlace(record);
  if (fs_.replaceAtomically(path, record)) {
    return fail("ﾌｧｲﾙの書き込みに失敗しました(m_CountUp)");
  }
  DateTime now = clock_.localNow();
  setText(row, col::kMarker, ".");
  setImage(row, kImageReused);
  setText(row, col::kUpdated, TimeStamp14(now) + SequenceText(sequence_.next(now)));
  setText(row, col::kCount, countText);
  return 0;
}

int CHistoryList::getValue(int row, std::string& value) {
  value.clear();
  if (withContents(row) != 0) return -1;
  if (static_cast<std::size_t>(ParseLeadingInt(text(row, col::kSize))) <= kPreviewBytes) {
    value = text(row, col::kRealValue);
    return 0;
  }
  std::string record;
  if (m_FileGet_2(pathOf(row), record) != 0) return -1;
  value = SplitHistoryRecord(record).value;
  return 0;
}

int CHistoryList::exactValue(int row, std::string& exact) {
  exact.clear();
  if (withContents(row) != 0) return -1;
  if (this->row(row).exactShown.empty()) return 0;
  std::string value;
  if (getValue(row, value) != 0) return -1;
  exact = companions_.read(pathOf(row), value);
  return 0;
}

int CHistoryList::trimAtExit(int maximumInForce, std::int32_t& storedMaxFile, bool autoSave) {
  int result = 0;
  if (maximumInForce < storedMaxFile) result = m_AllDel();
  storedMaxFile = maximumInForce;
  if (result == 0 && !autoSave) result = m_AllDel();
  closed_ = true;
  return result;
}

}  // namespace qb
