// The History item files as they lie on disk: "SAVE0001.cln" ... in <data home>\clipsave,
// each byte stored as (b + 1) mod 256.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace qb::e2e {

// An unshifted history record split into its parts:
// use count ":::" owner ":::" sequence ":" label ":::" reserved ":::" value.
struct HistoryRecord {
  std::string useCount;
  std::string owner;
  std::string sequence;
  std::string label;
  std::string reserved;
  std::string value;
};

std::wstring historyFileName(int number);  // "SAVE%04d.cln"
// Names of the "SAVE*.cln" files in the folder, sorted.
std::vector<std::wstring> historyFileNames(const std::wstring& folder);
// The whole file with the shift undone; nullopt while it is missing or cannot be opened.
std::optional<std::string> readUnshifted(const std::wstring& path);
std::optional<HistoryRecord> splitHistoryRecord(const std::string& unshifted);

// What is wrong with a freshly stored record of `value` by `owner` (Shift-JIS); empty when
// nothing is.
std::string freshRecordProblem(const std::string& unshifted, const std::string& owner,
                               const std::string& value);

// Every history file of the folder with its unshifted content. For failure reports.
std::string describeHistoryFolder(const std::wstring& folder);

}  // namespace qb::e2e
