#include "app/settings/settings_line.h"

namespace qb {
namespace {

std::string WithoutQuotes(std::string_view field) {
  if (!field.empty() && field.front() == '"') field.remove_prefix(1);
  if (!field.empty() && field.back() == '"') field.remove_suffix(1);
  return std::string(field);
}

}  // namespace

SettingsLine ParseSettingsLine(std::string_view line) {
  std::string_view fields[3];
  std::size_t firstComma = line.find(',');
  fields[0] = line.substr(0, firstComma);
  if (firstComma != std::string_view::npos) {
    std::string_view rest = line.substr(firstComma + 1);
    std::size_t secondComma = rest.find(',');
    fields[1] = rest.substr(0, secondComma);
    if (secondComma != std::string_view::npos) fields[2] = rest.substr(secondComma + 1);
  }
  return {WithoutQuotes(fields[0]), WithoutQuotes(fields[1]), WithoutQuotes(fields[2])};
}

std::string FormatSettingsLine(std::string_view key, std::string_view value,
                               std::string_view comment) {
  std::string line;
  line.reserve(key.size() + value.size() + comment.size() + 10);
  line += '"';
  line += key;
  line += "\",\"";
  line += value;
  line += "\",\"";
  line += comment;
  line += "\"\r\n";
  return line;
}

std::vector<std::string_view> SplitSettingsText(std::string_view text, std::size_t maxLines) {
  std::vector<std::string_view> lines;
  while (!text.empty() && lines.size() < maxLines) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace qb
