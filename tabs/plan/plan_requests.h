// The plan thread as the Plan tab and the routes see it: one edit or run request at a time.
#pragma once
#include <string>

namespace qb {

enum class PlanMode { kIdle = 0, kEditing = 1, kRunning = 2 };

struct PlanRunInputs {
  std::string planText;
  std::string planVersion;  // stored with the plan
  std::string inputText;    // the text the plan starts from
  bool hideMainWindow = false;
};

class PlanRequests {
 public:
  virtual ~PlanRequests() = default;
  virtual PlanMode mode() const = 0;
  // Fills the run inputs, sets the mode and wakes the plan thread; the mode returns to idle when
  // the run has ended.
  virtual void requestRun(PlanRunInputs inputs) = 0;
};

}  // namespace qb
