#include "platform/fake/file_fault_plan.h"

#include "platform/fake/windows_path.h"

namespace qb {

void FileFaultPlan::failNext(FileOperation operation, std::string_view pathPattern,
                             FileError error, int count) {
  if (count > 0) faults_.push_back({operation, std::string(pathPattern), error, count});
}

void FileFaultPlan::failAlways(FileOperation operation, std::string_view pathPattern,
                               FileError error) {
  faults_.push_back({operation, std::string(pathPattern), error, kAlways});
}

void FileFaultPlan::failNextAfterWriting(FileOperation operation, std::string_view pathPattern,
                                         FileError error, std::size_t keptBytes) {
  faults_.push_back({operation, std::string(pathPattern), error, 1, keptBytes});
}

void FileFaultPlan::clear() { faults_.clear(); }

std::optional<FileError> FileFaultPlan::take(FileOperation operation, std::string_view path) {
  std::optional<ArrangedFault> fault = takeFault(operation, path);
  if (!fault) return std::nullopt;
  return fault->error;
}

std::optional<ArrangedFault> FileFaultPlan::takeFault(FileOperation operation,
                                                      std::string_view path) {
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    bool operationMatches = it->operation == FileOperation::kAny || it->operation == operation;
    if (!operationMatches || !MatchesGlob(it->pathPattern, path)) continue;
    ArrangedFault fault{it->error, it->keptBytes};
    if (it->remaining != kAlways && --it->remaining == 0) faults_.erase(it);
    return fault;
  }
  return std::nullopt;
}

}  // namespace qb
