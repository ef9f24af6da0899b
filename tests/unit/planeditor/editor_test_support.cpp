#include "tests/unit/planeditor/editor_test_support.h"

#include <gtest/gtest.h>

#include "tests/unit/planlib/plan_test_support.h"

namespace qb::test {

bool ScriptedQuestions::ask(std::string_view question) {
  asked_.emplace_back(question);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question";
    return false;
  }
  bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

std::string SimpleBlock(int marker) { return Insert(5, std::to_string(marker)); }
std::string LoopBlock(int count) { return Loop(std::to_string(count), ""); }
std::string LineBlock() { return Line(""); }

void AddSimpleBlocks(PlanEditModel& model, int n) {
  for (int i = 0; i < n; ++i) ASSERT_TRUE(model.addAtEnd(SimpleBlock(i), 0).ok);
}

void AddLoopChain(PlanEditModel& model, int levels) {
  for (int k = 0; k < levels; ++k) ASSERT_TRUE(model.addAtEnd(LoopBlock(), k).ok) << k;
}

std::vector<int> Depths(const PlanEditModel& model) {
  std::vector<int> depths;
  for (const PlanRow& row : model.plan().m_Blocks()) depths.push_back(row.depth);
  return depths;
}

std::vector<std::string> Tags(const PlanEditModel& model) {
  std::vector<std::string> tags;
  for (const PlanRow& row : model.plan().m_Blocks()) tags.emplace_back(RowTagName(row));
  return tags;
}

}  // namespace qb::test
