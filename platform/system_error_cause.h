// Windows system error numbers as file-exception causes: one table for the Win32 file system
// and for the fake, so that a test sees the cause the real volume would give.
#pragma once
#include <cstdint>

#include "platform/file_system.h"

namespace qb {

constexpr FileCause FileCauseForSystemError(std::uint32_t error) {
  switch (error) {
    case 2: return FileCause::kFileNotFound;        // ERROR_FILE_NOT_FOUND
    case 3:                                         // ERROR_PATH_NOT_FOUND
    case 123:                                       // ERROR_INVALID_NAME
    case 161:                                       // ERROR_BAD_PATHNAME
    case 206:                                       // ERROR_FILENAME_EXCED_RANGE
    case 267: return FileCause::kBadPath;           // ERROR_DIRECTORY
    case 4: return FileCause::kTooManyOpenFiles;    // ERROR_TOO_MANY_OPEN_FILES
    case 5:                                         // ERROR_ACCESS_DENIED
    case 80:                                        // ERROR_FILE_EXISTS
    case 183: return FileCause::kAccessDenied;      // ERROR_ALREADY_EXISTS
    case 6: return FileCause::kInvalidFile;         // ERROR_INVALID_HANDLE
    case 16:                                        // ERROR_CURRENT_DIRECTORY
    case 145: return FileCause::kRemoveCurrentDir;  // ERROR_DIR_NOT_EMPTY
    case 82: return FileCause::kDirectoryFull;      // ERROR_CANNOT_MAKE
    case 25: return FileCause::kBadSeek;            // ERROR_SEEK
    case 32: return FileCause::kSharingViolation;   // ERROR_SHARING_VIOLATION
    case 33: return FileCause::kLockViolation;      // ERROR_LOCK_VIOLATION
    case 39:                                        // ERROR_HANDLE_DISK_FULL
    case 112: return FileCause::kDiskFull;          // ERROR_DISK_FULL
    case 38: return FileCause::kEndOfFile;          // ERROR_HANDLE_EOF
    case 19:                                        // ERROR_WRITE_PROTECT
    case 21:                                        // ERROR_NOT_READY
    case 23:                                        // ERROR_CRC
    case 27:                                        // ERROR_SECTOR_NOT_FOUND
    case 29:                                        // ERROR_WRITE_FAULT
    case 30:                                        // ERROR_READ_FAULT
    case 31: return FileCause::kHardIo;             // ERROR_GEN_FAILURE
    default: return FileCause::kGeneric;
  }
}

constexpr FileError FileErrorForSystemError(std::uint32_t error) {
  return FileError{FileCauseForSystemError(error), error};
}

}  // namespace qb
