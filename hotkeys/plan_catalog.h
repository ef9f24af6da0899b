// The plans of the ten plan groups as the plan menu and the plan hotkeys need them: file names
// and plan names, in the group's order.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qb {

inline constexpr int kPlanMenuGroupCount = 10;
inline constexpr int kPlansPerGroup = 100;

struct PlanEntry {
  std::string fileName;  // "PLAN001.cln"
  std::string name;      // the record's first field
};

class PlanCatalog {
 public:
  virtual ~PlanCatalog() = default;
  // At most 100 plans of group 0..9, in the group's order.
  virtual std::vector<PlanEntry> plans(int group) = 0;
};

// The plan files of "Plan\PlanDir%02d" under the data home, ordered by creation time (the
// order the plan tab keeps), then by name. A file that cannot be read is left out.
class PlanFolderCatalog : public PlanCatalog {
 public:
  PlanFolderCatalog(FileSystem& fs, std::string dataHome) : fs_(fs), dataHome_(std::move(dataHome)) {}
  std::vector<PlanEntry> plans(int group) override;

 private:
  FileSystem& fs_;
  std::string dataHome_;
};

// The names joined with CR LF, as the hook library takes them.
std::string JoinPlanNames(const std::vector<PlanEntry>& plans);

}  // namespace qb
