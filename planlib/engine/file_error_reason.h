// The reason part of a file message: "エラー詳細：" and the text of the cause.
#pragma once
#include <string>

#include "platform/file_system.h"

namespace qb {

std::string FileErrorReason(FileCause cause);

// Splits a Windows path at its last separator ("\" or "/", never a trail byte):
// folder (without the separator) and name.
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts SplitPath(std::string_view path);

}  // namespace qb
