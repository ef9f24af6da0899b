#include "history/history_record.h"

#include <cstdio>

namespace qb {

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
  record += label;
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
