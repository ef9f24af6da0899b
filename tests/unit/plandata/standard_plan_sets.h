// The three sets as the exports hand them out.
#pragma once
#include <string>
#include <vector>

#include "plandata/plandata.h"

namespace qb::test {

using PlanDataExport = int (*)(int, int*, char*);

// Every record of an export, index 0 up to the end flag.
inline std::vector<std::string> RecordsOf(PlanDataExport get) {
  std::vector<std::string> records;
  std::vector<char> buffer(512000);
  for (int index = 0; index < 100; ++index) {
    int end = 0;
    get(index, &end, buffer.data());
    if (end == 1) break;
    records.emplace_back(buffer.data());
  }
  return records;
}

}  // namespace qb::test
