#include "tests/e2e/driver/history_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

constexpr std::string_view kSeparator = ":::";

bool isThreeDigits(const std::string& text) {
  return text.size() == 3 && std::all_of(text.begin(), text.end(),
                                         [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::wstring historyFileName(int number) {
  wchar_t name[32];
  swprintf(name, ARRAYSIZE(name), L"SAVE%04d.cln", number);
  return name;
}

std::vector<std::wstring> historyFileNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\SAVE*.cln").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> readUnshifted(const std::wstring& path) {
  std::optional<std::string> content = readFileBytes(path);
  if (!content) return std::nullopt;
  for (char& byte : *content) byte = static_cast<char>(static_cast<unsigned char>(byte) - 1);
  return content;
}

std::optional<HistoryRecord> splitHistoryRecord(const std::string& unshifted) {
  std::string parts[4];
  size_t start = 0;
  for (std::string& part : parts) {
    const size_t end = unshifted.find(kSeparator, start);
    if (end == std::string::npos) return std::nullopt;
    part = unshifted.substr(start, end - start);
    start = end + kSeparator.size();
  }
  const size_t colon = parts[2].find(':');
  if (colon == std::string::npos) return std::nullopt;
  return HistoryRecord{parts[0], parts[1], parts[2].substr(0, colon), parts[2].substr(colon + 1),
                       parts[3], unshifted.substr(start)};
}

std::string freshRecordProblem(const std::string& unshifted, const std::string& owner,
                               const std::string& value) {
  const auto record = splitHistoryRecord(unshifted);
  if (!record) return "not four \":::\"-joined parts with a \"sequence:label\" third part";
  if (record->useCount != "00000000") return "use count " + quotedShiftJis(record->useCount);
  if (record->owner != owner) {
    return "owner " + quotedShiftJis(record->owner) + ", expected " + quotedShiftJis(owner);
  }
  if (!isThreeDigits(record->sequence) || record->sequence == "000") {
    return "sequence " + quotedShiftJis(record->sequence) + " is not 001-999";
  }
  if (record->reserved != "0") return "reserved part " + quotedShiftJis(record->reserved);
  if (record->value != value) {
    return "value " + quotedShiftJis(record->value) + ", expected " + quotedShiftJis(value);
  }
  return {};
}

std::string describeHistoryFolder(const std::wstring& folder) {
  const auto names = historyFileNames(folder);
  if (names.empty()) return "no SAVE*.cln files in " + toUtf8(folder);
  std::string report;
  for (const auto& name : names) {
    const auto content = readUnshifted(folder + L"\\" + name);
    report += "\n    " + toUtf8(name) + ": " +
              (content ? quotedShiftJis(*content) : std::string("(unreadable)"));
  }
  return report;
}

}  // namespace qb::e2e
