// The content of a history item file ("SAVE%04d.cln"), before the byte shift:
// use count ":::" owner ":::" sequence ":" label ":::0:::" value.
#pragma once
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kHistoryFolderName = "clipsave";
inline constexpr std::string_view kHistoryFilePrefix = "SAVE";
inline constexpr std::string_view kItemFileExtension = ".cln";
// The label of values the program stores itself.
inline constexpr std::string_view kOwnStoreLabel = " ";

// The parts of a history record as read back.
struct HistoryRecord {
  std::string useCount;  // "%08d" as stored
  std::string owner;
  std::string sequence;  // "000" when the record has no ":" in its third part
  std::string label;
  std::string value;     // cut to 512001 bytes
};

// Splits at the first four ":::"; a missing separator leaves the later parts empty.
HistoryRecord SplitHistoryRecord(std::string_view record);

// A source label as it can be stored: a label never holds ":::" (it would move the value's
// start when the record is read back), so it ends before its first ":::".
std::string_view StorableLabel(std::string_view label);

std::string BuildHistoryRecord(int useCount, std::string_view owner, std::string_view sequence,
                               std::string_view label, std::string_view value);

// "SAVE" + "%04d" + ".cln".
std::string HistoryFileName(int number);

}  // namespace qb
