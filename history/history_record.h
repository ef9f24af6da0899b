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

std::string BuildHistoryRecord(int useCount, std::string_view owner, std::string_view sequence,
                               std::string_view label, std::string_view value);

// "SAVE" + "%04d" + ".cln".
std::string HistoryFileName(int number);

}  // namespace qb
