#include "app/settings/loaded_line_table.h"

namespace qb {

void LoadedLineTable::load(std::string_view text) {
  lines_.clear();
  for (std::string_view line : SplitSettingsText(text, kFileLineLimit)) {
    lines_.push_back(ParseSettingsLine(line));
  }
}

int LoadedLineTable::find(std::string_view key) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].key == key) return static_cast<int>(i);
  }
  return kNotFound;
}

void LoadedLineTable::append(SettingsLine line) { lines_.push_back(std::move(line)); }

}  // namespace qb
