// Folder and name of a Windows path.
#pragma once
#include <string>
#include <string_view>

namespace qb {

// Splits a Windows path at its last separator ("\" or "/", never a trail byte):
// folder (without the separator) and name.
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts SplitPath(std::string_view path);

}  // namespace qb
