// The failures a test has arranged for the fake file system: which call, on which paths, how
// often, with which error.
#pragma once
#include <cstddef>
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
  kWriteAtomically,
  kReadHead,
};

// A failure as arranged: for writeNew and append, `keptBytes` of the bytes are written before
// the call fails (a disk that filled up on the way).
struct ArrangedFault {
  FileError error;
  std::size_t keptBytes = 0;
};

class FileFaultPlan {
 public:
  // `pathPattern` is a whole-path glob ('*', '?', case-insensitive; '*' crosses backslashes)
  // matched against the path text as the caller passed it.
  void failNext(FileOperation operation, std::string_view pathPattern, FileError error, int count);
  void failAlways(FileOperation operation, std::string_view pathPattern, FileError error);
  void failNextAfterWriting(FileOperation operation, std::string_view pathPattern, FileError error,
                            std::size_t keptBytes);
  void clear();

  // The failure arranged for this call, if any; a counted fault loses one use. The earliest
  // arranged fault that matches wins.
  std::optional<FileError> take(FileOperation operation, std::string_view path);
  std::optional<ArrangedFault> takeFault(FileOperation operation, std::string_view path);

 private:
  static constexpr int kAlways = -1;
  struct Fault {
    FileOperation operation;
    std::string pathPattern;
    FileError error;
    int remaining;
    std::size_t keptBytes = 0;
  };
  std::vector<Fault> faults_;
};

}  // namespace qb
