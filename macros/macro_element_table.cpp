#include "macros/macro_element_table.h"

namespace qb {

bool AppendMacroEntry(MacroElementTable& table, std::string_view source, std::string_view blockName,
                      std::string_view display, std::int32_t start) {
  if (table.count < 0 || table.count >= kMacroTableSize) return false;
  const int index = table.count++;
  table.source[index] = std::string(source);
  table.blockName[index] = std::string(blockName);
  table.display[index] = std::string(display);
  table.start[index] = start;
  table.end[index] = start + static_cast<std::int32_t>(display.size());
  return true;
}

void RecomputeMacroOffsets(MacroElementTable& table) {
  std::int32_t offset = 0;
  for (int i = 0; i < table.count && i < kMacroTableSize; ++i) {
    table.start[i] = offset;
    offset += static_cast<std::int32_t>(table.display[i].size());
    table.end[i] = offset;
  }
}

namespace {

std::string Apply(std::string_view displayText, const MacroElementTable& table,
                  const std::string_view* onlyBlock) {
  std::string text(displayText);
  const int count = table.count < kMacroTableSize ? table.count : kMacroTableSize;
  for (int i = count - 1; i >= 0; --i) {
    if (onlyBlock != nullptr && table.blockName[i] != *onlyBlock) continue;
    const std::int32_t start = table.start[i];
    const std::int32_t end = table.end[i];
    if (start < 0 || end < start || static_cast<std::size_t>(end) > text.size()) continue;
    text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start),
                 table.source[i]);
  }
  return text;
}

}  // namespace

std::string ApplyMacroTable(std::string_view displayText, const MacroElementTable& table) {
  return Apply(displayText, table, nullptr);
}

std::string ApplyMacroTableFor(std::string_view displayText, const MacroElementTable& table,
                               std::string_view blockName) {
  return Apply(displayText, table, &blockName);
}

}  // namespace qb
