#include "history/save_stack_items.h"

#include <cstdio>

#include "base/sjis.h"
#include "base/text_limits.h"
#include "history/history_record.h"
#include "history/item_numbers.h"

namespace qb {
namespace {

std::string NumberedName(const char* prefix, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%03d.cln", prefix, number);
  return name;
}

std::string_view Capped(std::string_view value) {
  return WholeCharacterPrefix(value, kMaxValueBytes);
}

}  // namespace

std::string SaveFileName(int number) { return NumberedName("CLIP", number); }
std::string StackFileName(int number) { return NumberedName("STAK", number); }

std::string BuildSaveRecord(std::string_view label, std::string_view value) {
  std::string record(StorableLabel(label));
  record += ":::0:::0:::";
  record += value;
  return record;
}

std::string BuildStackRecord(std::string_view sequence, std::string_view label,
                             std::string_view value) {
  std::string record = "00000000:::";
  record += sequence;
  record += ":::";
  record += StorableLabel(label);
  record += ":::0:::0:::";
  record += value;
  return record;
}

SaveItemWriter::SaveItemWriter(FileSystem& fs, Clock& clock, Ui& ui,
                               std::function<void()> requestClose)
    : fs_(fs), clock_(clock), ui_(ui), requestClose_(std::move(requestClose)) {}

int SaveItemWriter::fail(std::string_view message) {
  ui_.showMessage(message, MessageIcon::kStop);
  if (requestClose_) requestClose_();
  return -1;
}

int SaveItemWriter::write(std::string_view folder, int number, std::string_view label,
                          std::string_view value) {
  std::string path = std::string(folder) + "\\" + SaveFileName(number);
  if (fs_.writeAtomically(path, BuildSaveRecord(label, Capped(value)), clock_.localNow())) {
    return fail("ﾌｧｲﾙの書き込みに失敗しました(2m_FileAdd)");
  }
  return 0;
}

int SaveItemWriter::writeToFolder(std::string_view folder, std::string_view label,
                                  std::string_view value) {
  int number = NextFolderItemNumber(fs_, ui_, folder, kSaveGroupMaximum);
  if (number < 0) return -1;
  return write(folder, number, label, value);
}

int StackItemWriter::store(std::string_view folder, std::string_view label,
                           std::string_view value, std::string* fileName) {
  // One listing serves both the removal of the oldest item and the choice of the number.
  std::vector<FileEntry> files = fs_.list(std::string(folder) + "\\*.cln");
  if (m_MaxUpdateDateDel(fs_, ui_, folder, files, kStackGroupMaximum) != 0) return -1;
  int number = NextFolderItemNumber(files, ui_, kStackGroupMaximum);
  if (number < 0) return -1;
  DateTime now = clock_.localNow();
  std::string name = StackFileName(number);
  std::string path = std::string(folder) + "\\" + name;
  std::string record = BuildStackRecord(SequenceText(sequence_.next(now)), label, Capped(value));
  if (fs_.writeAtomically(path, record, now)) {
    ui_.showMessage("ﾌｧｲﾙの書き込みに失敗しました(7m_FileAdd)", MessageIcon::kStop);
    return -1;
  }
  if (fileName) *fileName = name;
  return 0;
}

}  // namespace qb
