#include "plandata/plandata.h"

#include "plandata/plan_record_table.h"

namespace {

// The three sets. Their plans are filled in as the plan blocks they use become available; until
// then every set reports its end at index 0, so the program installs nothing from it.
qb::PlanRecordTable BuildRirekiSet() { return {}; }
qb::PlanRecordTable BuildHotKeySet() { return {}; }
qb::PlanRecordTable BuildHotKey2Set() { return {}; }

}  // namespace

int m_GetPlanDataRireki(int index, int* end, char* buffer) {
  return BuildRirekiSet().deliver(index, end, buffer);
}

int m_GetPlanDataHotKey(int index, int* end, char* buffer) {
  return BuildHotKeySet().deliver(index, end, buffer);
}

int m_GetPlanDataHotKey2(int index, int* end, char* buffer) {
  return BuildHotKey2Set().deliver(index, end, buffer);
}
