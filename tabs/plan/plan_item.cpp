#include "tabs/plan/plan_item.h"

#include <cstdio>
#include <vector>

#include "base/records.h"

namespace qb {

std::string BuildPlanItem(const PlanItem& record) {
  return JoinFields({record.name, record.version, record.attributes, record.reserved1,
                     record.reserved2, record.text});
}

bool SplitPlanItem(std::string_view record, PlanItem& out) {
  std::vector<std::string> fields = SplitFields(record, 6);
  if (fields.size() < 6 || fields[0].empty()) return false;
  out.name = std::move(fields[0]);
  out.version = std::move(fields[1]);
  out.attributes = std::move(fields[2]);
  out.reserved1 = std::move(fields[3]);
  out.reserved2 = std::move(fields[4]);
  out.text = std::move(fields[5]);
  return true;
}

std::string PlanFileName(int number) {
  char name[24];
  std::snprintf(name, sizeof name, "PLAN%03d.cln", number);
  return name;
}

std::string PlanReadFailure(std::string_view operation, std::string_view path) {
  std::string message = "ﾌｧｲﾙの読み込みに失敗しました(";
  message += operation;
  message += ")　\n\n( ";
  message += path;
  message += " )";
  return message;
}

}  // namespace qb
