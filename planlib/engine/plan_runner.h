// Runs a parsed plan over one working text.
#pragma once
#include <atomic>
#include <string>
#include <vector>

#include "planlib/engine/block_context.h"
#include "planlib/engine/block_settings.h"
#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_variables.h"
#include "planlib/engine/plan_world.h"

namespace qb {

class PlanBlock;
class PlanContainer;
struct BlockKind;

// Result codes of a block and of a block sequence.
namespace plan_result {
inline constexpr int kGoOn = 0;
inline constexpr int kError = -1;
inline constexpr int kLineDeleted = 101;
inline constexpr int kNextLine = 102;
inline constexpr int kCancel = 103;
inline constexpr int kLeaveLoop = 104;
}  // namespace plan_result

struct PlanRunSettings {
  std::string dataHome;
  std::string actWinName = "ダミーウィンドウ";
};

class CPlanRunner {
 public:
  explicit CPlanRunner(PlanWorld& world) : world_(world) {}

  // Runs the whole plan. 103 = cancelled, -1 = failed (the message was shown), any other code
  // = completed. After a failed or cancelled run the text may be half edited: the caller keeps
  // the input to restore it.
  int m_Run(const CPlanMain& plan, const PlanRunSettings& settings, std::string& text);

  // The stop request; every wait and the next block end the run as cancelled.
  void m_RequestStop() { stop_.store(true); }

  const PlanVariables& m_Variables() const { return variables_; }

  // Runs rows [first, end) at one depth; used for the children of a container.
  int runSequence(std::size_t first, std::size_t end, std::string& text);
  // True when a child row of `index` can end its sequence with 104 (leave a loop).
  bool childrenCanLeaveLoop(std::size_t index) const { return rows_[index].childrenCanLeaveLoop; }

 private:
  // A block row resolved once per run: what runs it, and its elements as found so far.
  struct RunRow {
    int control = 0;  // the result of a control block (101-104); 0 for the others
    const BlockKind* kind = nullptr;
    const PlanBlock* block = nullptr;
    const PlanContainer* container = nullptr;
    std::size_t descendants = 0;
    bool childrenCanLeaveLoop = false;  // a LOOPOUT among the descendants outside any LOOP of them
    ElementCache elements;
  };

  void resolveRows(const CPlanMain& plan);
  int runRow(std::size_t index, std::string& text);

  PlanWorld& world_;
  PlanVariables variables_;
  std::atomic<bool> stop_{false};
  const CPlanMain* plan_ = nullptr;
  BlockContext* context_ = nullptr;
  std::vector<RunRow> rows_;
};

// True when a plan result counts as completed (not cancelled, not failed).
inline bool PlanCompleted(int result) {
  return result != plan_result::kCancel && result != plan_result::kError;
}

}  // namespace qb
