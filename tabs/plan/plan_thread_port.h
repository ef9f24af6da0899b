// The plan thread as the Plan tab and the routes see it: one edit or run request at a time.
#pragma once
#include <string>

namespace qb {

struct PlanRunInputs {
  std::string planText;
  std::string planVersion;  // stored with the plan
  std::string inputText;    // the text the plan starts from
  bool hideMainWindow = false;
};

class PlanThreadPort {
 public:
  virtual ~PlanThreadPort() = default;
  // True while a plan is edited or run.
  virtual bool busy() const = 0;
  // Hides the main window when asked, then hands the run to the plan thread, which is busy
  // until the run has ended.
  virtual void requestRun(PlanRunInputs inputs) = 0;
};

}  // namespace qb
