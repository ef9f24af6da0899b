// What a block sees of the run: the ports, the plan variables, substitution and the messages.
#pragma once
#include <atomic>
#include <optional>
#include <string>
#include <string_view>

#include "planlib/engine/plan_variables.h"
#include "planlib/engine/plan_world.h"

namespace qb {

// Thrown by BlockContext::substitute when the result would be longer than the growth ceiling. The
// runner catches it around every block and ends the plan with the value-limit message and 103, so
// no block ever acts on a cut setting.
struct PlanValueLimitReached {};

class BlockContext {
 public:
  BlockContext(PlanWorld& world, PlanVariables& variables, const std::atomic<bool>& stop)
      : world_(world), variables_(variables), stop_(stop) {}

  PlanWorld& world() { return world_; }
  PlanVariables& variables() { return variables_; }
  bool stopRequested() const { return stop_.load(); }
  // Dispatches the plan thread's pending messages (a stop request may arrive in them), then looks
  // at the stop flag: what every loop does before each pass.
  bool pumpAndCheckStop();

  // The setting with its plan variables replaced (date and time read from the clock now).
  // Throws PlanValueLimitReached when the result would pass the growth ceiling.
  std::string substitute(std::string_view setting);
  // The same without a copy when the setting names no variable: the setting itself, or the
  // substituted text kept in `storage`.
  std::string_view substitute(std::string_view setting, std::string& storage);
  // A path setting: the data-home folder and the plan variables replaced.
  std::string expandPath(std::string_view setting) { return substitute(setting); }

  // Shows an error (exclamation icon); returns -1.
  int error(std::string_view message);
  // Asks a Yes/No question (question icon); true for Yes.
  bool ask(std::string_view question);
  // The value-limit message; returns 103 (cancel).
  int valueLimitExceeded();
  // The line-limit message of a block ("行単位", "行並び替え", "同一行削除"); returns 103.
  int lineLimitExceeded(std::string_view blockName);

  // The content of a file a block reads its data from. A missing file or a failed read shows the
  // block's message (`readFailure` and the cause for the latter) and gives nothing.
  std::optional<std::string> readBlockFile(std::string_view blockName, const std::string& path,
                                           std::string_view readFailure);

  // Waits `milliseconds` in 10 ms steps; false when the stop flag ended it early.
  bool wait(long long milliseconds);

  // "これ以降は表示しない" was pressed in a display window of this run.
  bool displaySuppressed() const { return displaySuppressed_; }
  void setDisplaySuppressed() { displaySuppressed_ = true; }

 private:
  PlanWorld& world_;
  PlanVariables& variables_;
  const std::atomic<bool>& stop_;
  bool displaySuppressed_ = false;
};

// "【操作ブロック[" + name + "]実行】"
std::string BlockLabel(std::string_view displayName);

}  // namespace qb
