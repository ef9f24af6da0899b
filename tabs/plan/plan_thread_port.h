// The plan thread as the Plan tab and the routes see it: one edit or run request at a time.
#pragma once
#include <functional>
#include <string>

#include "tabs/plan/plan_item.h"

namespace qb {

struct PlanRunInputs {
  std::string planText;
  std::string planVersion;  // stored with the plan
  std::string inputText;    // the text the plan starts from
  bool hideMainWindow = false;
};

struct PlanEditInputs {
  int group = 0;
  std::string fileName;     // the plan's file; empty for a new plan
  std::string planText;     // empty for a new plan
  std::string planVersion;  // stored with the plan
};

// The editor's answer. On OK `plan` is the record to store: the plan's name, version and
// attributes as the editor left them, "0", "0" and the edited text.
struct PlanEditOutcome {
  bool saved = false;
  bool reachedEditor = false;
  bool maximized = false;  // the editor was left larger than its design size
  PlanItem plan;
};

class PlanThreadPort {
 public:
  virtual ~PlanThreadPort() = default;
  // True while a plan is edited or run.
  virtual bool busy() const = 0;
  // Hides the main window when asked, then hands the run to the plan thread, which is busy
  // until the run has ended.
  virtual void requestRun(PlanRunInputs inputs) = 0;
  // Hands the edit to the plan thread, busy until the editor has closed; `edited` is then called
  // on the window thread. False when the plan thread took no request.
  virtual bool requestEdit(PlanEditInputs inputs,
                           std::function<void(const PlanEditInputs&, const PlanEditOutcome&)> edited) = 0;
};

}  // namespace qb
