// One line of a settings file: "key=","value","comment" (three quoted fields, commas between).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct SettingsLine {
  std::string key;  // with its "="
  std::string value;
  std::string comment;

  bool operator==(const SettingsLine&) const = default;
};

// Field 1 is the text up to the first comma, field 2 the text up to the second, field 3 the rest;
// each loses its enclosing double quotes. There is no escaping: a value with a comma is cut there.
// A field without a quote at one end keeps that end, so a hand-edited line with a quote missing
// still gives its key and value; a line without commas is all key.
SettingsLine ParseSettingsLine(std::string_view line);

// The three fields in double quotes, separated by commas, with the CR LF line end.
std::string FormatSettingsLine(std::string_view key, std::string_view value,
                               std::string_view comment);

// The first `maxLines` non-empty lines of a file's content, split at LF with the CR of a CR LF
// dropped.
std::vector<std::string_view> SplitSettingsText(std::string_view text, std::size_t maxLines);

}  // namespace qb
