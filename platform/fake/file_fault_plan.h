// The failures a test has arranged for the fake file system: which call, on which paths, how
// often, with which error.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qb {

// One value per FileSystem call; kAny stands for all of them.
enum class FileOperation {
  kAny,
  kReadWhole,
  kWriteNew,
  kReplaceAtomically,
  kAppend,
  kAttributes,
  kCreateFolder,
  kRemove,
  kRemoveFolder,
  kRename,
  kList,
  kTimes,
  kSetTimes,
  kOpenExclusive,
};

class FileFaultPlan {
 public:
  // `pathPattern` is a whole-path glob ('*', '?', case-insensitive; '*' crosses backslashes)
  // matched against the path text as the caller passed it.
  void failNext(FileOperation operation, std::string_view pathPattern, FileError error, int count);
  void failAlways(FileOperation operation, std::string_view pathPattern, FileError error);
  void clear();

  // The failure arranged for this call, if any; a counted fault loses one use. The earliest
  // arranged fault that matches wins.
  std::optional<FileError> take(FileOperation operation, std::string_view path);

 private:
  static constexpr int kAlways = -1;
  struct Fault {
    FileOperation operation;
    std::string pathPattern;
    FileError error;
    int remaining;
  };
  std::vector<Fault> faults_;
};

}  // namespace qb
