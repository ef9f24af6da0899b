// Pieces the plans of the second hotkey set share.
#pragma once
#include <string>
#include <string_view>

#include "plandata/plan_record_table.h"

namespace qb {

inline constexpr std::string_view kHotKey2Version = "V1.20";

// Adds a plan with its header.
void AddPlan(PlanRecordTable& table, std::string_view name, std::string_view summary,
             std::string_view notes, const std::string& body);
// A text plan: the caller's text or the selection, transformed, pasted back.
void AddTextPlan(PlanRecordTable& table, std::string_view name, std::string_view summary,
                 const std::string& transform);
// "定型句の貼り付け" + the full-width digit: pastes the stored phrase file `number` (1-5).
void AddPhrasePaste(PlanRecordTable& table, int number);
// The stored phrase file `number`: data home + "定型句" + number + ".txt".
std::string PhraseFile(int number);

// Transformations.
std::string Around(std::string_view open, std::string_view close);
std::string ToHalfWidth();
std::string ToFullWidth();

// The seven Web plans, in the order of the set.
void AddWebPlans(PlanRecordTable& table);

}  // namespace qb
