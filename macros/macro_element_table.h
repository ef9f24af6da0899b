// The segments of a stored text as the analyser records them: where each macro (and, in the
// input dialog, each piece of fixed text) stands in the expanded text.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

inline constexpr int kMacroTableSize = 201;

struct MacroElementTable {
  std::array<std::string, kMacroTableSize> source;     // the segment as stored
  std::array<std::string, kMacroTableSize> blockName;  // opening tag; empty for fixed text
  std::array<std::string, kMacroTableSize> display;    // the segment as expanded
  std::array<std::int32_t, kMacroTableSize> start{};   // byte offset in the expanded text
  std::array<std::int32_t, kMacroTableSize> end{};     // start + display length
  std::int32_t count = 0;
};

// Appends an entry; false when the table is full.
bool AppendMacroEntry(MacroElementTable& table, std::string_view source, std::string_view blockName,
                      std::string_view display, std::int32_t start);

// Sets start and end of every entry from the running sum of the display lengths.
void RecomputeMacroOffsets(MacroElementTable& table);

// The stored text: from the last entry to the first, the range start..end of the display text
// is replaced by the entry's source text. Entries whose range lies outside the text are skipped.
std::string ApplyMacroTable(std::string_view displayText, const MacroElementTable& table);

// As ApplyMacroTable, but only for the entries of one block name (e.g. "<@@KEYIN>").
std::string ApplyMacroTableFor(std::string_view displayText, const MacroElementTable& table,
                               std::string_view blockName);

}  // namespace qb
