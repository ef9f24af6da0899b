// The exact form of a text that code page 932 cannot hold ("café", "😀", Hangul), kept beside
// the item file that holds its code-page-932 form. The item file stays exactly as other copies of
// the program write and read it; the companion only adds to it.
//
// A companion is named as its item with the extension ".utf" ("SAVE0001.cln" -> "SAVE0001.utf"),
// which no listing of the stores ("*.cln", "~qb*.tmp") matches, also not through a short 8.3
// name. Its content is one header line and the text in UTF-8:
//   "QBEXACT1 " <bytes of the item's value, decimal> " " <FNV-1a 64 of the value, 16 hex> "\r\n"
// The header ties the companion to the value it was written for: when another copy of the
// program (which knows nothing of companions) writes a new item under the same name, the
// companion no longer fits and is ignored and removed.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/text_limits.h"
#include "platform/file_system.h"

namespace qb {

inline constexpr std::string_view kExactCompanionExtension = ".utf";
// A code-page-932 form of at most 512000 bytes has at most this many bytes in UTF-8; longer
// companions are refused unread.
inline constexpr std::size_t kMaxExactBytes = 4 * kMaxValueBytes;

// Item path or file name -> the companion's: the extension after the last '.' becomes ".utf".
std::string CompanionPathOf(std::string_view itemPath);
// The exact text of a companion's content, when it is whole, well-formed and written for
// `value`.
std::optional<std::string> ParseExactCompanion(std::string_view content, std::string_view value);
std::string BuildExactCompanion(std::string_view value, std::string_view exact);

// An exact form fit to keep beside `value`: well-formed, within its limit, not empty, and not the
// same bytes as the value (an ASCII text needs no companion). Empty otherwise.
std::string KeepableExactForm(std::string_view value, std::string_view exact);

// The companions of one store folder.
class ExactCompanions {
 public:
  explicit ExactCompanions(FileSystem& fs) : fs_(fs) {}

  // Writes (or replaces) the companion of an item already written. False when it could not be
  // written; no part of it is then left under its name.
  bool write(std::string_view itemPath, std::string_view value, std::string_view exact,
             DateTime now);
  // The exact form of the item, or empty when it has none that fits `value`. A companion that
  // is corrupt, too large or written for another value is removed.
  std::string read(std::string_view itemPath, std::string_view value);
  // Removes the companion when there is one; a failure is left to the next load.
  void remove(std::string_view itemPath);
  // The item file names of `folder` that have a companion; a companion whose item (one of
  // `items`, by name) is gone is removed.
  std::vector<std::string> keepOnlyThoseOf(std::string_view folder,
                                           const std::vector<std::string>& items);

 private:
  FileSystem& fs_;
};

}  // namespace qb
