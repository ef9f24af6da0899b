#include "planlib/engine/path_parts.h"

#include <string_view>

#include "base/sjis.h"

namespace qb {

PathParts SplitPath(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t pos = 0; pos < path.size(); pos += SjisCharLength(path, pos)) {
    if (path[pos] == '\\' || path[pos] == '/') last = pos;
  }
  if (last == std::string_view::npos) return {"", std::string(path)};
  return {std::string(path.substr(0, last)), std::string(path.substr(last + 1))};
}

}  // namespace qb
