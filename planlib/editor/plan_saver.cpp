#include "planlib/editor/plan_saver.h"

#include <utility>

#include "base/time_format.h"
#include "planlib/editor/editor_messages.h"

namespace qb {

bool HasChildlessContainer(const CPlanMain& plan) {
  for (const PlanRow& row : plan.m_Blocks()) {
    std::string_view tag = RowTagName(row);
    bool needsChildren = tag == "LINE" || tag == "CONDITION" || tag == "CUTTING" || tag == "LOOP";
    if (needsChildren && row.descendants == 0) return true;
  }
  return false;
}

EditResult PlanSaver::check(const PlanEditModel& model) {
  if (model.blockCount() == 0) return EditResult::Refused(editor_text::kNoBlocks);
  std::string name = model.header("PLAN_NAME");
  if (name.empty()) return EditResult::Refused(editor_text::kNoName);
  if (name.find(":::") != std::string::npos) return EditResult::Refused(editor_text::kNameWithSeparator);
  if (HasChildlessContainer(model.plan()) && !questions_.ask(editor_text::kChildlessQuestion)) {
    return EditResult::Declined();
  }
  return EditResult::Done();
}

SaveOutcome PlanSaver::save(const PlanEditModel& model, const PlanLock& lock) {
  SaveOutcome outcome;
  outcome.result = check(model);
  if (!outcome.result.ok) return outcome;

  PlanEditModel filled = model;
  std::string now = TimeStamp14(clock_.localNow());
  const std::pair<std::string_view, std::string> values[] = {
      {"PLAN_GVL", std::string(kEditedPlanVersion)},
      {"PLAN_LOCK_ID", lock.lockIdToWrite()},
      {filled.isNewPlan() ? "PLAN_CREATE_ID" : "PLAN_UPDATE_ID", userId_},
      {filled.isNewPlan() ? "PLAN_CREATE_DATE" : "PLAN_UPDATE_DATE", now},
  };
  for (const auto& [tag, value] : values) {
    EditResult written = filled.setHeader(tag, value);
    if (!written.ok) {
      // Only the size can fail here: the model's text always parses.
      bool tooLarge = written.message == editor_text::kTooLarge;
      outcome.result = EditResult::Refused(tooLarge ? editor_text::kTooLarge : editor_text::kSaveFailed);
      return outcome;
    }
  }
  if (lock.state() == LockState::LockedByOther) {
    outcome.result = EditResult::Refused(editor_text::kLockedByOther);
    return outcome;
  }
  outcome.plan = {filled.planText(), filled.header("PLAN_NAME"), std::string(kEditedPlanVersion),
                  std::string(kEditedPlanAttributes)};
  return outcome;
}

}  // namespace qb
