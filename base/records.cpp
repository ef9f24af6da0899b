#include "base/records.h"

namespace qb {

std::vector<std::string> SplitFields(std::string_view text, std::size_t maxFields) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  while (maxFields == 0 || fields.size() + 1 < maxFields) {
    std::size_t found = text.find(kFieldSeparator, pos);
    if (found == std::string_view::npos) break;
    fields.emplace_back(text.substr(pos, found - pos));
    pos = found + kFieldSeparator.size();
  }
  fields.emplace_back(text.substr(pos));
  return fields;
}

std::string JoinFields(const std::vector<std::string>& fields) {
  std::string joined;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) joined += kFieldSeparator;
    joined += fields[i];
  }
  return joined;
}

}  // namespace qb
