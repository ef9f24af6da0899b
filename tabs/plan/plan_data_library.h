// The standard-plan data library, loaded by name ("plandata") only when plans are installed.
#pragma once
#include <memory>
#include <string_view>

namespace qb {

// int export(int index, int* end, char* buffer): the record of a set at `index`, NUL-terminated,
// into a buffer of 512000 bytes; *end becomes 1 after the last record.
using PlanDataExport = int (*)(int index, int* end, char* buffer);

class PlanDataModule {
 public:
  virtual ~PlanDataModule() = default;
  // The export of that name, or null.
  virtual PlanDataExport find(std::string_view exportName) = 0;
};

class PlanDataLibrary {
 public:
  virtual ~PlanDataLibrary() = default;
  // The loaded library (unloaded when the module is destroyed), or null when it is not found.
  virtual std::unique_ptr<PlanDataModule> load() = 0;
};

}  // namespace qb
