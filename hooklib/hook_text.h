// The texts the hook library keeps and sends: bounded copies into the shared slots, the reports
// to the main window, and the menu lines of a slot.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb::hook {

// Every report is one zero-filled buffer of this size holding one text.
inline constexpr std::size_t kReportBytes = 256;

// Copies `text` (null: empty) into `slot` of `slotBytes` bytes with its terminating zero. A text
// that does not fit is cut before the character that would pass the end, never inside a
// double-byte character.
void CopyIntoSlot(char* slot, std::size_t slotBytes, const char* text);

// The zero-filled report buffer for `text`, cut like a slot copy.
void FillReport(char (&buffer)[kReportBytes], std::string_view text);

// The lines of a slot text, split at CR LF, at most `maxItems`: the last item takes the rest of
// the text. An empty text, or an empty rest after the last CR LF, adds no item; empty lines in
// between stay, so that an item's index is its line number.
std::vector<std::string> SplitMenuLines(std::string_view text, std::size_t maxItems);

// "MouseHook4:::" + group + ":::" + index.
std::string PlanChosenReport(int group, int index);

}  // namespace qb::hook
