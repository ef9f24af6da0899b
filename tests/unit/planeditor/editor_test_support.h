// Plans and answers for the editor's tests.
#pragma once
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/edit_result.h"
#include "planlib/editor/plan_edit_model.h"

namespace qb::test {

// Answers questions from a queue; records each question. A question with no answer left fails
// the test.
class ScriptedQuestions : public EditorQuestions {
 public:
  void answer(bool yes) { answers_.push_back(yes); }
  bool ask(std::string_view question) override;
  const std::vector<std::string>& asked() const { return asked_; }

 private:
  std::deque<bool> answers_;
  std::vector<std::string> asked_;
};

// A simple block written alone, and containers without children.
std::string SimpleBlock(int marker);  // an INSERT whose text is the marker
std::string LoopBlock(int count = 2);
std::string LineBlock();

// Adds `n` simple blocks at depth 0 at the end.
void AddSimpleBlocks(PlanEditModel& model, int n);
// A chain of loops: row 0 at depth 0, row k at depth k (k = 0..levels-1).
void AddLoopChain(PlanEditModel& model, int levels);
// The depths of the rows of the block list.
std::vector<int> Depths(const PlanEditModel& model);
// The tags of the rows of the block list ("INSERT", "LOOP").
std::vector<std::string> Tags(const PlanEditModel& model);

}  // namespace qb::test
