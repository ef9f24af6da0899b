#include "tests/unit/planlib/plan_test_support.h"

#include <gtest/gtest.h>

#include "planlib/engine/plan_tags.h"

namespace qb::test {

namespace {

std::string Elementsof(const Elements& elements) {
  std::string text;
  for (const auto& [name, value] : elements) text += Element(name, value);
  return text;
}

std::string Num(int n) { return std::to_string(n); }

}  // namespace

std::string Block(std::string_view tag, const Elements& elements) {
  return Element(tag, Elementsof(elements));
}

std::string Container(std::string_view tag, const Elements& elements, std::string_view children) {
  return OpenTag(tag) + Element(std::string(tag) + "ME", Elementsof(elements)) +
         std::string(children) + CloseTag(tag);
}

std::string Plan(std::string_view blocks) {
  return Element("PLAN_NAME", "テスト") + std::string(blocks);
}

std::string Insert(int where, std::string_view text, int position, int notation) {
  return Block("INSERT", {{"KIND_ADR", Num(where)},
                          {"KIND_IMS", Num(notation)},
                          {"IDX_IN", Num(position)},
                          {"DATAIN", std::string(text)}});
}

std::string Change(int kind, std::string_view search, std::string_view replacement, int position,
                   bool ignoreCase) {
  return Block("CHANGE", {{"KIND_FIND", "1"},
                          {"KIND_ADR", Num(kind)},
                          {"IDX_CN", Num(position)},
                          {"KIND_KMS", "1"},
                          {"KIND_TMS", "1"},
                          {"KIND_ALPHABET", ignoreCase ? "1" : "0"},
                          {"DATASR", std::string(search)},
                          {"DATATK", std::string(replacement)}});
}

std::string Line(std::string_view children) { return Container("LINE", {}, children); }

std::string Loop(std::string_view count, std::string_view children) {
  return Container("LOOP", {{"LOOP_COUNT", std::string(count)}}, children);
}

std::string Condition(int operation, int invert, std::string_view conditions,
                      std::string_view children) {
  return OpenTag("CONDITION") +
         Element("CONDITIONME", Element("ALL_NOT", Num(invert)) + Element("OPERATION", Num(operation)) +
                                    std::string(conditions)) +
         std::string(children) + CloseTag("CONDITION");
}

std::string ConditionK1(int kind, std::string_view search, int expect, int position) {
  return Block("CONDITION_K1", {{"KIND_FIND", "1"},
                                {"KIND_ADR", Num(kind)},
                                {"KIND_COND", Num(expect)},
                                {"IDX_CN", Num(position)},
                                {"KIND_KMS", "1"},
                                {"KIND_ALPHABET", "0"},
                                {"DATASR", std::string(search)}});
}

std::string ConditionK2(int bytes, int compare, int number) {
  return Block("CONDITION_K2",
               {{"KIND_KETA", Num(bytes)}, {"KIND_COND", Num(compare)}, {"DATANUM", Num(number)}});
}

std::string ConditionK3(int compare, int number) {
  return Block("CONDITION_K3", {{"KIND_COND", Num(compare)}, {"DATANUM", Num(number)}});
}

std::string ConditionK7(int code, int compare, int number) {
  return Block("CONDITION_K7",
               {{"KIND_PLANHENSU", Num(code)}, {"KIND_COND", Num(compare)}, {"DATANUM", Num(number)}});
}

std::string CounterSet(int target, int operandKind, int operation, int number) {
  return Block("PLAN_COUNTER_SET", {{"KIND_PLANHENSU", Num(target)},
                                    {"KIND_AITE", Num(operandKind)},
                                    {"KIND_ENZAN", Num(operation)},
                                    {"DATANUM", Num(number)}});
}

std::string HensuSet(int source, int target, int mode, std::string_view data, int notation) {
  return Block("PLAN_HENSU_SET", {{"KIND_IN", Num(source)},
                                  {"KIND_PLANHENSU", Num(target)},
                                  {"KIND_ADR", Num(mode)},
                                  {"KIND_IMS", Num(notation)},
                                  {"DATAIN", std::string(data)},
                                  {"MIDASHI", ""},
                                  {"IN_HISU", "1"}});
}

PlanRun PlanHarness::run(std::string_view planText, std::string_view input, std::size_t spareCapacity) {
  CPlanMain plan;
  int parsed = plan.m_Analyze(planText);
  EXPECT_EQ(parsed, 0) << plan.m_ErrorDetail();
  PlanRun outcome;
  outcome.text.reserve(input.size() + spareCapacity);
  outcome.text.assign(input);
  std::size_t before = ui.boxes().size();
  outcome.result = runner.m_Run(plan, settings, outcome.text);
  for (std::size_t i = before; i < ui.boxes().size(); ++i) outcome.messages.push_back(ui.boxes()[i].text);
  return outcome;
}

}  // namespace qb::test
