// The hook library's texts: any bytes copied into the name slots (bounded), the menu built from
// them and the reports it makes, whatever the current group holds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "hooklib/hook_core.h"
#include "hooklib/hook_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qb::hook;
  static auto shared = std::make_unique<SharedState>();
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int group = size > 0 ? static_cast<signed char>(data[0]) : 0;
  CopyIntoSlot(shared->groupNames, kNameSlotBytes, text.c_str());
  CopyIntoSlot(shared->planNames[static_cast<std::size_t>(group & 0xFF) % kPlanGroupCount],
               kNameSlotBytes, text.c_str());
  shared->currentPlanGroup = group;
  const PlanMenu menu = BuildPlanMenu(*shared);
  char report[kReportBytes];
  for (const PlanMenuItem& item : menu.plans) FillReport(report, item.text);
  FillReport(report, text);
  return 0;
}
