// A stored plan: one byte-shifted "PLAN%03d.cln" file holding
//   name ":::" version ":::" attributes ":::0:::0:::" plan text
#pragma once
#include <string>
#include <string_view>

namespace qb {

inline constexpr int kPlanGroupMaximum = 100;
inline constexpr std::string_view kPlanAttributes = "0000000000";
// The plan interface's version; a plan of a later one cannot be edited or run.
inline constexpr std::string_view kPlanInterfaceVersion = "V1.20";

struct PlanItem {
  std::string name;
  std::string version;
  std::string attributes{kPlanAttributes};
  std::string reserved1 = "0";
  std::string reserved2 = "0";
  std::string text;  // the plan text, to the end of the record
};

std::string BuildPlanItem(const PlanItem& record);
// False when the record has fewer than six fields or an empty name.
bool SplitPlanItem(std::string_view record, PlanItem& out);

// "PLAN%03d.cln"
std::string PlanFileName(int number);

// "ﾌｧｲﾙの読み込みに失敗しました(" operation ")　\n\n( " path " )"
std::string PlanReadFailure(std::string_view operation, std::string_view path);

}  // namespace qb
