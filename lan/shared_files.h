// The files of a shared folder and their formats: the management file "quillboxCommon.cln" with
// the folder's share key, one user file per computer named by its encoded address, and the
// "COMM" item files whose names carry a number, three flag letters, the store time and sequence.
// Every file is stored with the byte shift of item files. Pure functions, no I/O.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace qb {

inline constexpr std::string_view kManagementFileName = "quillboxCommon.cln";
inline constexpr std::string_view kUserFilePrefix = "quillboxCommUser";
inline constexpr std::string_view kUserFileWildcard = "quillboxCommUser*.cln";
inline constexpr std::string_view kItemWildcard = "COMM*.CLN";
inline constexpr std::size_t kShareKeyLength = 17;
inline constexpr std::size_t kMaxFolderUsers = 500;

// A line of the management or user files split at its first four ":::" (the last part takes
// the rest); missing parts are empty.
using FiveParts = std::array<std::string, 5>;
FiveParts SplitFiveParts(std::string_view line);

// The management file in memory: REC01, REC02, REC03, and the user entries found.
struct FolderRecord {
  std::array<FiveParts, 3> records;
  std::vector<FiveParts> users;
  const std::string& shareKey() const { return records[0][1]; }
};

// The creation time "%Y%m%d%H%M%S" followed by the last three digits of the process clock as
// "%09u": 17 characters.
std::string MakeShareKey(const DateTime& now, std::uint64_t processMilliseconds);
// The three lines, each ending in "\n", not yet shifted.
std::string ManagementFileText(std::string_view shareKey);
// The lines of an unshifted management file; nullopt without a REC01 line holding a 17-digit key.
std::optional<FolderRecord> ParseManagementFile(std::string_view plain);

// The twelve digits of an address, its groups of four reversed and each digit advanced by one
// (9 becomes 0); a text that is not 12 digits is used unchanged. DecodeUserDigits undoes it.
std::string EncodeUserDigits(std::string_view digits12);
std::string DecodeUserDigits(std::string_view encoded);
// "quillboxCommUser" + encoded address + ".cln".
std::string UserFileName(std::string_view dottedAddress);
// "REC10:::" + address + ":::0:::0:::0\n", not yet shifted.
std::string UserFileText(std::string_view dottedAddress);
// The address a user file's name stands for; nullopt unless the name has exactly 32 characters.
std::optional<std::string> AddressOfUserFileName(std::string_view name);

// "COMM" + "%03d" + three flag letters + "%Y%m%d%H%M%S" + "%03d" + ".CLN".
struct CommItemName {
  int number = 0;
  std::string flags = "AAA";
  std::string stamp;     // 14 digits
  std::string sequence;  // 3 digits
  std::string Format() const;
  char flag() const { return flags.empty() ? '\0' : flags[0]; }
};
// Nullopt for a name that is not an item file of this form (case is ignored).
std::optional<CommItemName> ParseCommItemName(std::string_view name);
// The same name with flag letter 1 replaced.
std::string WithFirstFlag(std::string_view name, char flag);

inline constexpr std::string_view kKindText = "H";
inline constexpr std::string_view kKindPlan = "P";
inline constexpr std::string_view kDataKindText = "HOZON";
inline constexpr std::string_view kDataKindPlan = "PLAN";
inline constexpr std::string_view kNewestTextVersion = "V3.34";
inline constexpr std::string_view kNewestPlanVersion = "V1.20";

// An item record: kind letter, sequence number, compatibility version, "0", then for a text the
// label and value in the save-record form (label ":::0:::0:::" value), for a plan its record.
struct SharedItem {
  std::string kind;  // "H", "P", or what a newer version wrote
  std::string sequence;
  std::string version;
  std::string label;  // a plan's name
  std::string value;  // a text item's value; a plan item's whole plan record
  bool isText() const { return kind == kKindText; }
  bool isPlan() const { return kind == kKindPlan; }
};
std::string FormatItemRecord(const SharedItem& item);
SharedItem ParseItemRecord(std::string_view plain);

// Why an item cannot be used or changed here: empty when it can, else the message.
std::string IncompatibilityMessage(const SharedItem& item);
// The compatibility version of a text value: "V2.40" when it holds a macro block, else "V2.00".
std::string TextVersionOf(std::string_view value);

}  // namespace qb
