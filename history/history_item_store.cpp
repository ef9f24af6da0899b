#include "history/history_item_store.h"

#include <set>

#include "base/byte_shift.h"
#include "base/numbers.h"
#include "history/file_helpers.h"
#include "history/history_record.h"

namespace qb {

HistoryItemStore::HistoryItemStore(FileSystem& fs, Clock& clock, Ui& ui, std::string dataHome,
                                   std::string owner, std::function<void()> requestClose)
    : fs_(fs),
      clock_(clock),
      ui_(ui),
      folder_(std::move(dataHome) + std::string(kHistoryFolderName)),
      owner_(std::move(owner)),
      requestClose_(std::move(requestClose)) {}

int HistoryItemStore::open() {
  if (PathExists(fs_, folder_)) return 0;
  if (!fs_.createFolder(folder_)) return 0;
  return fail("履歴格納用ﾌｫﾙﾀﾞの作成に失敗しました");
}

int HistoryItemStore::add(std::string_view value, std::string_view label) {
  std::string path = folder_ + "\\" + HistoryFileName(lowestFreeNumber());
  DateTime now = clock_.localNow();
  std::string sequence = SequenceText(sequence_.next(now));
  std::string record = ShiftBytesUp(BuildHistoryRecord(0, owner_, sequence, label, value));
  if (fs_.writeNew(path, record)) return fail("ﾌｧｲﾙの書き込みに失敗しました(m_FileAdd)");
  if (fs_.setTimes(path, now, std::nullopt)) {
    return fail("ﾌｧｲﾙの属性変更に失敗しました(m_FileAdd)");
  }
  return 0;
}

int HistoryItemStore::lowestFreeNumber() {
  std::set<int> used;
  std::string prefix(kHistoryFilePrefix);
  for (const FileEntry& entry : fs_.list(folder_ + "\\*" + std::string(kItemFileExtension))) {
    if (entry.name.size() > prefix.size()) {
      used.insert(ParseLeadingInt(std::string_view(entry.name).substr(prefix.size())));
    }
  }
  int number = 1;
  while (used.count(number)) ++number;
  return number;
}

int HistoryItemStore::fail(std::string_view message) {
  ui_.showMessage(message, MessageIcon::kStop);
  if (requestClose_) requestClose_();
  return -1;
}

}  // namespace qb
