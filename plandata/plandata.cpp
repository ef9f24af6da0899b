#include "plandata/plandata.h"

#include "plandata/standard_plans.h"

// Each call builds its set from the constant texts and hands out one entry: nothing is kept
// between calls.
int m_GetPlanDataRireki(int index, int* end, char* buffer) {
  return qb::RirekiPlans().deliver(index, end, buffer);
}

int m_GetPlanDataHotKey(int index, int* end, char* buffer) {
  return qb::HotKeyPlans().deliver(index, end, buffer);
}

int m_GetPlanDataHotKey2(int index, int* end, char* buffer) {
  return qb::HotKey2Plans().deliver(index, end, buffer);
}
