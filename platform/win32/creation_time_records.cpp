#include "platform/win32/creation_time_records.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "platform/win32/wide_path.h"

namespace qb {
namespace {

constexpr wchar_t kByteOrderMark = 0xFEFF;

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
  std::optional<std::uint64_t> ticks = ParseTicks(line.substr(0, tab));
  if (!ticks) return;
  std::wstring name(line.substr(tab + 1));
  records[CaseKey(name)] = CreationRecord{name, *ticks};
}

}  // namespace

std::string EncodeCreationRecords(const CreationRecords& records) {
  std::wstring text(1, kByteOrderMark);
  for (const auto& [key, record] : records) {
    text += std::to_wstring(record.created);
    text += L'\t';
    text += record.name;
    text += L"\r\n";
  }
  std::string bytes(text.size() * sizeof(wchar_t), '\0');
  std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

CreationRecords DecodeCreationRecords(std::string_view bytes) {
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  std::wstring_view rest(text);
  if (!rest.empty() && rest.front() == kByteOrderMark) rest.remove_prefix(1);
  CreationRecords records;
  while (!rest.empty()) {
    const std::size_t end = rest.find(L"\r\n");
    DecodeLine(rest.substr(0, end), records);
    if (end == std::wstring_view::npos) break;
    rest.remove_prefix(end + 2);
  }
  return records;
}

}  // namespace qb
