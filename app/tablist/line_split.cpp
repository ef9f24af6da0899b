#include "app/tablist/line_split.h"

namespace qb {

std::vector<std::string> SplitIntoLines(std::string_view value, LineBreaks breaks) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (int counted = 0; counted < kMaxSplitLines && start < value.size(); ++counted) {
    std::size_t end = value.find('\n', start);
    std::size_t next = end == std::string_view::npos ? value.size() : end + 1;
    if (end == std::string_view::npos) end = value.size();
    std::size_t contentEnd = end > start && value[end - 1] == '\r' ? end - 1 : end;
    if (contentEnd > start) {
      std::string line(value.substr(start, contentEnd - start));
      if (breaks == LineBreaks::kKeep) line += "\r\n";
      lines.push_back(std::move(line));
    }
    start = next;
  }
  return lines;
}

}  // namespace qb
