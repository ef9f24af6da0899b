#include "lan/shared_files.h"

#include <cctype>
#include <cstdio>

#include "base/ip_digits.h"
#include "base/records.h"
#include "base/time_format.h"
#include "macros/macro_analyzer.h"

namespace qb {

namespace {

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

char Advanced(char digit, int by) { return static_cast<char>('0' + ((digit - '0') + by + 10) % 10); }

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

FiveParts SplitFiveParts(std::string_view line) {
  FiveParts parts{};
  std::vector<std::string> fields = SplitFields(line, 5);
  for (std::size_t i = 0; i < fields.size() && i < parts.size(); ++i) parts[i] = std::move(fields[i]);
  return parts;
}

std::string MakeShareKey(const DateTime& now, std::uint64_t processMilliseconds) {
  char clock[24];
  std::snprintf(clock, sizeof clock, "%09u", static_cast<unsigned>(processMilliseconds % 1000000000u));
  return TimeStamp14(now) + std::string(clock + 6, 3);
}

std::string ManagementFileText(std::string_view shareKey) {
  return "REC01:::" + std::string(shareKey) + ":::0:::0:::0\n" + "REC02:::0:::0:::0:::0\n" +
         "REC03:::0:::0:::0:::0\n";
}

std::optional<FolderRecord> ParseManagementFile(std::string_view plain) {
  FolderRecord record;
  std::size_t start = 0;
  while (start < plain.size()) {
    std::size_t end = plain.find('\n', start);
    std::string_view line = plain.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    FiveParts parts = SplitFiveParts(line);
    if (parts[0] == "REC01") record.records[0] = parts;
    if (parts[0] == "REC02") record.records[1] = parts;
    if (parts[0] == "REC03") record.records[2] = parts;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const std::string& key = record.shareKey();
  if (key.size() != kShareKeyLength || !AllDigits(key)) return std::nullopt;
  return record;
}

std::string EncodeUserDigits(std::string_view digits12) {
  if (digits12.size() != 12 || !AllDigits(digits12)) return std::string(digits12);
  std::string reversed = std::string(digits12.substr(8, 4)) + std::string(digits12.substr(4, 4)) +
                         std::string(digits12.substr(0, 4));
  for (char& c : reversed) c = Advanced(c, 1);
  return reversed;
}

std::string DecodeUserDigits(std::string_view encoded) {
  if (encoded.size() != 12 || !AllDigits(encoded)) return std::string(encoded);
  std::string back(encoded);
  for (char& c : back) c = Advanced(c, -1);
  return back.substr(8, 4) + back.substr(4, 4) + back.substr(0, 4);
}

std::string UserFileName(std::string_view dottedAddress) {
  return std::string(kUserFilePrefix) + EncodeUserDigits(IpToDigits12(dottedAddress)) + ".cln";
}

std::string UserFileText(std::string_view dottedAddress) {
  return "REC10:::" + std::string(dottedAddress) + ":::0:::0:::0\n";
}

std::optional<std::string> AddressOfUserFileName(std::string_view name) {
  if (name.size() != kUserFilePrefix.size() + 12 + 4) return std::nullopt;
  std::string_view encoded = name.substr(kUserFilePrefix.size(), 12);
  if (!AllDigits(encoded)) return std::nullopt;
  return Digits12ToIp(DecodeUserDigits(encoded));
}

std::string CommItemName::Format() const {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "COMM%03d%s%s%s.CLN", number, flags.c_str(), stamp.c_str(),
                sequence.c_str());
  return Upper(buffer);
}

std::optional<CommItemName> ParseCommItemName(std::string_view name) {
  std::string upper = Upper(name);
  // COMM nnn FFF yyyymmddhhmmss sss .CLN
  if (upper.size() != 31 || upper.compare(0, 4, "COMM") != 0 || upper.compare(27, 4, ".CLN") != 0) {
    return std::nullopt;
  }
  std::string_view view(upper);
  if (!AllDigits(view.substr(4, 3)) || !AllDigits(view.substr(10, 17))) return std::nullopt;
  for (char flag : view.substr(7, 3)) {
    if (flag < 'A' || flag > 'Z') return std::nullopt;
  }
  CommItemName parsed;
  parsed.number = std::stoi(std::string(view.substr(4, 3)));
  parsed.flags = std::string(view.substr(7, 3));
  parsed.stamp = std::string(view.substr(10, 14));
  parsed.sequence = std::string(view.substr(24, 3));
  return parsed;
}

std::string WithFirstFlag(std::string_view name, char flag) {
  std::string renamed(name);
  if (renamed.size() > 7) renamed[7] = flag;
  return renamed;
}

std::string FormatItemRecord(const SharedItem& item) {
  std::string head = item.kind + ":::" + item.sequence + ":::" + item.version + ":::0:::";
  if (item.isText()) return head + item.label + ":::0:::0:::" + item.value;
  return head + item.value;
}

SharedItem ParseItemRecord(std::string_view plain) {
  SharedItem item;
  std::vector<std::string> parts = SplitFields(plain, 5);
  parts.resize(5);
  item.kind = parts[0];
  item.sequence = parts[1];
  item.version = parts[2];
  if (item.isText()) {
    std::vector<std::string> saved = SplitFields(parts[4], 4);
    saved.resize(4);
    item.label = saved[0];
    item.value = saved[3];
  } else if (item.isPlan()) {
    item.value = parts[4];
    item.label = SplitFields(item.value, 2)[0];
  }
  return item;
}

std::string IncompatibilityMessage(const SharedItem& item) {
  if (item.isText()) {
    if (item.version.compare(kNewestTextVersion) <= 0) return {};
    return "このデータは上位バージョン " + item.version + " の機能を含んでいるため操作できません";
  }
  if (item.isPlan()) {
    if (item.version.compare(kNewestPlanVersion) <= 0) return {};
    return "このデータはプラン上位バージョン " + item.version + " で作成/保存されているため操作できません";
  }
  return "このデータは正しく認識できません";
}

std::string TextVersionOf(std::string_view value) {
  for (const char* tag : {kSysdateOpen, kActionInOpen, kKeyInOpen}) {
    if (value.find(tag) != std::string_view::npos) return kFormatVersionMacros;
  }
  return kFormatVersionPlain;
}

}  // namespace qb
