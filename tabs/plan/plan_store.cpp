#include "tabs/plan/plan_store.h"

#include <algorithm>
#include <set>

#include "base/byte_shift.h"
#include "base/numbers.h"
#include "history/store_folders.h"

namespace qb {
namespace {

constexpr int kHighestNumber = 999;

// The number of a "PLANnnn.cln" name; 0 for other names.
int NumberOf(std::string_view fileName) {
  if (fileName.size() != 11 || fileName.substr(0, 4) != "PLAN") return 0;
  std::string_view digits = fileName.substr(4, 3);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  return ParseLeadingInt(digits);
}

// A file of the group itself: the names in "quillboxplan.dat" and the settings are hand-editable
// and must not reach a file elsewhere.
bool PlainName(std::string_view fileName) {
  return !fileName.empty() && fileName.find_first_of("\\/:") == std::string_view::npos &&
         fileName != "." && fileName != "..";
}

constexpr FileError kNotAPlanFile{FileCause::kBadPath, 0};

}  // namespace

PlanStore::PlanStore(FileSystem& fs, std::string dataHome)
    : fs_(fs), dataHome_(std::move(dataHome)) {}

std::string PlanStore::folder(int group) const { return PlanGroupFolder(dataHome_, group); }

std::string PlanStore::path(int group, std::string_view fileName) const {
  return folder(group) + "\\" + std::string(fileName);
}

std::vector<PlanFileInfo> PlanStore::list(int group, std::vector<std::string>* unreadable) {
  std::vector<PlanFileInfo> entries;
  for (const FileEntry& file : fs_.list(folder(group) + "\\*.cln")) {
    if (file.isFolder) continue;
    PlanItem record;
    if (!read(group, file.name, record)) {
      if (unreadable) unreadable->push_back(path(group, file.name));
      continue;
    }
    entries.push_back({file.name, record.name, file.created, file.lastWritten, record.text.size()});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const PlanFileInfo& a, const PlanFileInfo& b) {
    if (!(a.created == b.created)) return b.created < a.created;
    return b.fileName < a.fileName;
  });
  return entries;
}

int PlanStore::count(int group) {
  int files = 0;
  for (const FileEntry& file : fs_.list(folder(group) + "\\*.cln")) files += file.isFolder ? 0 : 1;
  return files;
}

bool PlanStore::read(int group, std::string_view fileName, PlanItem& record) {
  if (!PlainName(fileName)) return false;
  FileResult<std::string> content = fs_.readWhole(path(group, fileName));
  return content.ok() && SplitPlanItem(ShiftBytesDown(*content.value), record);
}

std::optional<std::string> PlanStore::add(int group, const PlanItem& record,
                                          const DateTime& created, FileError& failure) {
  std::set<int> used;
  int files = 0;
  for (const FileEntry& file : fs_.list(folder(group) + "\\*.cln")) {
    if (file.isFolder) continue;
    ++files;
    used.insert(NumberOf(file.name));
  }
  int number = 1;
  while (used.count(number) != 0) ++number;
  if (files >= kPlanGroupMaximum || number > kHighestNumber) {
    failure = {FileCause::kDirectoryFull, 0};
    return std::nullopt;
  }
  std::string name = PlanFileName(number);
  if (FileFailure written = fs_.writeNew(path(group, name), ShiftBytesUp(BuildPlanItem(record)))) {
    failure = *written;
    return std::nullopt;
  }
  if (FileFailure timed = fs_.setTimes(path(group, name), created, std::nullopt)) {
    failure = *timed;
    fs_.remove(path(group, name));
    return std::nullopt;
  }
  return name;
}

FileFailure PlanStore::replace(int group, std::string_view fileName, const PlanItem& record) {
  if (!PlainName(fileName)) return kNotAPlanFile;
  return fs_.replaceAtomically(path(group, fileName), ShiftBytesUp(BuildPlanItem(record)));
}

FileFailure PlanStore::remove(int group, std::string_view fileName) {
  if (!PlainName(fileName)) return kNotAPlanFile;
  return fs_.remove(path(group, fileName));
}

FileFailure PlanStore::setCreated(int group, std::string_view fileName, const DateTime& created) {
  if (!PlainName(fileName)) return kNotAPlanFile;
  return fs_.setTimes(path(group, fileName), created, std::nullopt);
}

}  // namespace qb
