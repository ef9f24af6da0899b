// The editor's OK: the checks in order, the header filled for this user and time, and the result
// handed back to the host.
#pragma once
#include <string>

#include "planlib/editor/edit_result.h"
#include "planlib/editor/plan_edit_model.h"
#include "planlib/editor/plan_lock.h"
#include "platform/clock.h"

namespace qb {

inline constexpr std::string_view kEditedPlanVersion = "V1.20";
inline constexpr std::string_view kEditedPlanAttributes = "0000000000";

// What OK hands back to the host.
struct EditedPlan {
  std::string text;
  std::string name;
  std::string version;     // "V1.20"
  std::string attributes;  // "0000000000"
};

struct SaveOutcome {
  EditResult result;  // refused with a message, declined (the question answered No), or done
  EditedPlan plan;    // when done
};

class PlanSaver {
 public:
  PlanSaver(std::string userId, Clock& clock, EditorQuestions& questions)
      : userId_(std::move(userId)), clock_(clock), questions_(questions) {}

  // Name and summary are already in the model (the fields write them as they change).
  SaveOutcome save(const PlanEditModel& model, const PlanLock& lock);

 private:
  EditResult check(const PlanEditModel& model);
  std::string userId_;
  Clock& clock_;
  EditorQuestions& questions_;
};

// True when a LINE, CONDITION, CUTTING or LOOP has no block under it.
bool HasChildlessContainer(const CPlanMain& plan);

}  // namespace qb
