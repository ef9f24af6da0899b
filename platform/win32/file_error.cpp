#include "platform/win32/file_error.h"

#include <windows.h>

namespace qb {

FileCause FileCauseForWindowsError(std::uint32_t windowsError) {
  switch (windowsError) {
    case ERROR_FILE_NOT_FOUND: return FileCause::kFileNotFound;
    case ERROR_PATH_NOT_FOUND: return FileCause::kBadPath;
    case ERROR_TOO_MANY_OPEN_FILES: return FileCause::kTooManyOpenFiles;
    case ERROR_ACCESS_DENIED: return FileCause::kAccessDenied;
    case ERROR_INVALID_HANDLE: return FileCause::kInvalidFile;
    case ERROR_CURRENT_DIRECTORY: return FileCause::kRemoveCurrentDir;
    case ERROR_CANNOT_MAKE: return FileCause::kDirectoryFull;
    case ERROR_SEEK: return FileCause::kBadSeek;
    case ERROR_SHARING_VIOLATION: return FileCause::kSharingViolation;
    case ERROR_LOCK_VIOLATION: return FileCause::kLockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return FileCause::kDiskFull;
    case ERROR_HANDLE_EOF: return FileCause::kEndOfFile;
    case ERROR_WRITE_PROTECT:
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE: return FileCause::kHardIo;
    default: return FileCause::kGeneric;
  }
}

FileError LastFileError() {
  const DWORD error = GetLastError();
  return FileError{FileCauseForWindowsError(error), error};
}

}  // namespace qb
