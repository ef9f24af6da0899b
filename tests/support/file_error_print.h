// Readable GoogleTest output for file errors and the results that carry them.
#pragma once
#include <ostream>

#include "platform/file_system.h"

namespace qb {

inline void PrintTo(const FileError& error, std::ostream* out) {
  *out << "FileError{cause " << static_cast<int>(error.cause) << ", system error "
       << error.systemError << "}";
}

}  // namespace qb
