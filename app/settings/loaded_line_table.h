// The lines of a settings file as read, in file order, plus the lines the reader added for keys
// the file lacked.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/settings/settings_line.h"

namespace qb {

class LoadedLineTable {
 public:
  // Lines taken from a file; the rest of a longer file is ignored.
  static constexpr std::size_t kFileLineLimit = 500;
  // What find gives for a key without a line.
  static constexpr int kNotFound = 99999;

  // Replaces the table with the non-empty lines of `text` (at most kFileLineLimit).
  void load(std::string_view text);

  // Index of the first line whose key equals `key` exactly (case-sensitive, "=" included), or
  // kNotFound.
  int find(std::string_view key) const;

  // Appends a line; lines added for missing keys are not limited in number, so that a full file
  // still gains every key it lacks.
  void append(SettingsLine line);

  // Keeps only the lines with these indices (ascending).
  void keepOnly(const std::vector<std::size_t>& indices);

  const std::vector<SettingsLine>& lines() const { return lines_; }
  std::size_t size() const { return lines_.size(); }

 private:
  void indexLine(std::size_t index);

  std::vector<SettingsLine> lines_;
  std::unordered_map<std::string, int> firstIndexByKey_;
};

}  // namespace qb
