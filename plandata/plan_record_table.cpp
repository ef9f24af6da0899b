#include "plandata/plan_record_table.h"

#include <cstring>

namespace qb {

void PlanRecordTable::add(std::string_view name, std::string_view version,
                          std::string_view planText) {
  if (count_ >= kSize) return;
  std::string record(name);
  record += ":::";
  record += version;
  record += ":::0000000000:::0:::0:::";
  record += planText;
  records_[count_++] = std::move(record);
}

int PlanRecordTable::deliver(int index, int* end, char* buffer) const {
  if (index < 0 || index >= kSize || records_[index].empty()) {
    *end = 1;
    return 0;
  }
  std::memcpy(buffer, records_[index].c_str(), records_[index].size() + 1);
  *end = 0;
  return 0;
}

}  // namespace qb
