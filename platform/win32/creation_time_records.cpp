#include "platform/win32/creation_time_records.h"

#include <cstring>

#include "platform/win32/wide_path.h"

namespace qb {
namespace {

constexpr wchar_t kByteOrderMark = 0xFEFF;
constexpr std::wstring_view kGoneMark = L"-";
constexpr std::wstring_view kLineEnd = L"\r\n";

std::optional<std::uint64_t> ParseTicks(std::wstring_view digits) {
  constexpr std::uint64_t kMax = UINT64_MAX;
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - L'0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

void DecodeLine(std::wstring_view line, CreationRecords& records) {
  const std::size_t tab = line.find(L'\t');
  if (tab == std::wstring_view::npos || tab + 1 == line.size()) return;
  std::wstring name(line.substr(tab + 1));
  if (line.substr(0, tab) == kGoneMark) {
    records.erase(CaseKey(name));
    return;
  }
  std::optional<std::uint64_t> ticks = ParseTicks(line.substr(0, tab));
  if (!ticks) return;
  std::wstring key = CaseKey(name);
  records[key] = CreationRecord{std::move(name), *ticks};
}

std::string Bytes(std::wstring_view text) {
  std::string bytes(text.size() * sizeof(wchar_t), '\0');
  std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

std::wstring Line(std::wstring_view name, std::optional<std::uint64_t> created) {
  std::wstring line = created ? std::to_wstring(*created) : std::wstring(kGoneMark);
  line += L'\t';
  line += name;
  line += kLineEnd;
  return line;
}

}  // namespace

std::string EncodeCreationRecords(const CreationRecords& records) {
  std::wstring text(1, kByteOrderMark);
  for (const auto& [key, record] : records) text += Line(record.name, record.created);
  return Bytes(text);
}

std::string EncodeCreationLine(std::wstring_view name, std::optional<std::uint64_t> created) {
  return Bytes(Line(name, created));
}

CreationJournal DecodeCreationJournal(std::string_view bytes) {
  CreationJournal journal;
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  std::wstring_view rest(text);
  if (!rest.empty() && rest.front() == kByteOrderMark) rest.remove_prefix(1);
  const bool endsWithLine =
      rest.size() >= kLineEnd.size() && rest.substr(rest.size() - kLineEnd.size()) == kLineEnd;
  journal.appendable = bytes.size() % sizeof(wchar_t) == 0 && (rest.empty() || endsWithLine);
  while (!rest.empty()) {
    const std::size_t end = rest.find(kLineEnd);
    DecodeLine(rest.substr(0, end), journal.records);
    ++journal.lines;
    if (end == std::wstring_view::npos) break;
    rest.remove_prefix(end + kLineEnd.size());
  }
  return journal;
}

}  // namespace qb
