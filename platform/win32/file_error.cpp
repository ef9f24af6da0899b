#include "platform/win32/file_error.h"

#include <windows.h>

#include "platform/system_error_cause.h"

namespace qb {

FileCause FileCauseForWindowsError(std::uint32_t windowsError) {
  return FileCauseForSystemError(windowsError);
}

FileError LastFileError() {
  const DWORD error = GetLastError();
  return FileError{FileCauseForWindowsError(error), error};
}

}  // namespace qb
