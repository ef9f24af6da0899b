#include "history/history_record.h"

#include <algorithm>
#include <cstdio>

#include "base/text_limits.h"

namespace qb {
namespace {

// The text before the next ":::" from `at`; `at` moves past the separator, or to the end.
std::string TakePart(std::string_view record, std::size_t& at) {
  if (at >= record.size()) return {};
  std::size_t separator = record.find(":::", at);
  if (separator == std::string_view::npos) {
    std::string part(record.substr(at));
    at = record.size();
    return part;
  }
  std::string part(record.substr(at, separator - at));
  at = separator + 3;
  return part;
}

}  // namespace

HistoryRecord SplitHistoryRecord(std::string_view record) {
  HistoryRecord parts;
  std::size_t at = 0;
  parts.useCount = TakePart(record, at);
  parts.owner = TakePart(record, at);
  std::string sourcePart = TakePart(record, at);
  TakePart(record, at);  // reserved
  std::string_view value = at < record.size() ? record.substr(at) : std::string_view();
  parts.value = std::string(value.substr(0, std::min(value.size(), kMaxHistoryReadBytes)));
  std::size_t colon = sourcePart.find(':');
  if (colon == std::string::npos) {
    parts.sequence = "000";
  } else {
    parts.sequence = sourcePart.substr(0, colon);
    parts.label = sourcePart.substr(colon + 1);
  }
  return parts;
}

std::string_view StorableLabel(std::string_view label) {
  return label.substr(0, std::min(label.size(), label.find(":::")));
}

std::string BuildHistoryRecord(int useCount, std::string_view owner, std::string_view sequence,
                               std::string_view label, std::string_view value) {
  char count[16];
  std::snprintf(count, sizeof count, "%08d", useCount);
  std::string record;
  record.reserve(value.size() + owner.size() + label.size() + 32);
  record += count;
  record += ":::";
  record += owner;
  record += ":::";
  record += sequence;
  record += ':';
  record += StorableLabel(label);
  record += ":::0:::";
  record += value;
  return record;
}

std::string HistoryFileName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "%.*s%04d%.*s", static_cast<int>(kHistoryFilePrefix.size()),
                kHistoryFilePrefix.data(), number, static_cast<int>(kItemFileExtension.size()),
                kItemFileExtension.data());
  return name;
}

}  // namespace qb
