// One run through the plan interface, without its windows: the version checks with their
// messages, the parse, the run, and the working text restored when the run fails or is cancelled.
#pragma once
#include <string>
#include <string_view>

#include "planlib/engine/plan_runner.h"
#include "platform/ui.h"

namespace qb {

// The interface version host and library agree on, and the newest plan version this library runs.
inline constexpr std::string_view kPlanInterfaceVersion = "V1.20";

// What the host set before the call.
struct PlanCallInputs {
  std::string ifVersion;
  std::string planVersion;
  std::string dataHome;
  std::string actWinName;
};

// `m_RunResult` after a run.
namespace run_result {
inline constexpr int kCompleted = 0;
inline constexpr int kFailed = 1;
inline constexpr int kCancelled = 3;
}  // namespace run_result

// "dllバージョン不一致　" unless the host was built for this interface; "上位のバージョンで作成/保存
// されたプランのため操作できません　" for a plan of a newer version. False after the message.
bool AcceptPlanCall(Ui& ui, std::string_view ifVersion, std::string_view planVersion);

struct PlanCallResult {
  int returned = -1;  // what m_Run returns: 0 or -1
  int runResult = run_result::kFailed;
};

// Checks, parses and runs the plan over `text`. A failed run shows "プラン実行中のエラー発生により
// プランは中断しました　"; a failed or cancelled run leaves `text` as it came in.
PlanCallResult RunPlanCall(CPlanRunner& runner, Ui& ui, const PlanCallInputs& inputs,
                           std::string_view planText, std::string& text);

}  // namespace qb
