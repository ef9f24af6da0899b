#include "app/settings/loaded_line_table.h"

namespace qb {

void LoadedLineTable::load(std::string_view text) {
  lines_.clear();
  firstIndexByKey_.clear();
  for (std::string_view line : SplitSettingsText(text, kFileLineLimit)) {
    lines_.push_back(ParseSettingsLine(line));
    indexLine(lines_.size() - 1);
  }
}

int LoadedLineTable::find(std::string_view key) const {
  auto found = firstIndexByKey_.find(std::string(key));
  return found == firstIndexByKey_.end() ? kNotFound : found->second;
}

void LoadedLineTable::append(SettingsLine line) {
  lines_.push_back(std::move(line));
  indexLine(lines_.size() - 1);
}

void LoadedLineTable::keepOnly(const std::vector<std::size_t>& indices) {
  std::vector<SettingsLine> kept;
  kept.reserve(indices.size());
  for (std::size_t index : indices) kept.push_back(std::move(lines_.at(index)));
  lines_ = std::move(kept);
  firstIndexByKey_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) indexLine(i);
}

void LoadedLineTable::indexLine(std::size_t index) {
  firstIndexByKey_.emplace(lines_[index].key, static_cast<int>(index));
}

}  // namespace qb
