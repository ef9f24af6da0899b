#include "hotkeys/plan_catalog.h"

#include <algorithm>

#include "base/byte_shift.h"
#include "base/records.h"
#include "history/store_folders.h"

namespace qb {

std::vector<PlanEntry> PlanFolderCatalog::plans(int group) {
  std::vector<PlanEntry> result;
  if (group < 0 || group >= kPlanMenuGroupCount) return result;
  const std::string folder = PlanGroupFolder(dataHome_, group);
  std::vector<FileEntry> files = fs_.list(folder + "\\*.cln");
  std::erase_if(files, [](const FileEntry& file) { return file.isFolder; });
  std::stable_sort(files.begin(), files.end(), [](const FileEntry& a, const FileEntry& b) {
    if (a.created != b.created) return a.created < b.created;
    return a.name < b.name;
  });
  for (const FileEntry& file : files) {
    if (result.size() >= static_cast<std::size_t>(kPlansPerGroup)) break;
    FileResult<std::string> read = fs_.readWhole(folder + "\\" + file.name);
    if (!read.ok()) continue;
    std::string record = std::move(*read.value);
    ShiftBytesDownInPlace(record);
    result.push_back({file.name, SplitFields(record, 2).front()});
  }
  return result;
}

std::string JoinPlanNames(const std::vector<PlanEntry>& plans) {
  std::string joined;
  for (std::size_t i = 0; i < plans.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += plans[i].name;
  }
  return joined;
}

}  // namespace qb
