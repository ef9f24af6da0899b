// Windows error numbers as file-exception causes.
#pragma once
#include <cstdint>

#include "platform/file_system.h"

namespace qb {

FileCause FileCauseForWindowsError(std::uint32_t windowsError);

// The cause and number of GetLastError(), read at once.
FileError LastFileError();

}  // namespace qb
