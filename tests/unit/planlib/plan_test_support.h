// Plan texts built in tests, and a run of one through the engine with fake ports.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_runner.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

namespace qb::test {

using Elements = std::vector<std::pair<std::string, std::string>>;

// "<@@TAG>" elements "<@@/TAG>"
std::string Block(std::string_view tag, const Elements& elements = {});
// "<@@TAG><@@TAGME>" elements "<@@/TAGME>" children "<@@/TAG>"
std::string Container(std::string_view tag, const Elements& elements, std::string_view children);
// A named plan around the blocks.
std::string Plan(std::string_view blocks);

// Common blocks.
std::string Insert(int where, std::string_view text, int position = 0, int notation = 1);
std::string Change(int kind, std::string_view search, std::string_view replacement,
                   int position = 0, bool ignoreCase = false);
std::string Line(std::string_view children);
std::string Loop(std::string_view count, std::string_view children);
std::string Condition(int operation, int invert, std::string_view conditions,
                      std::string_view children);
std::string ConditionK1(int kind, std::string_view search, int expect = 1, int position = 0);
std::string ConditionK2(int bytes, int compare, int number);
std::string ConditionK3(int compare, int number);
std::string ConditionK7(int code, int compare, int number);
std::string CounterSet(int target, int operandKind, int operation, int number);
std::string HensuSet(int source, int target, int mode, std::string_view data, int notation = 1);

struct PlanRun {
  int result = 0;
  std::string text;
  std::vector<std::string> messages;
};

class PlanHarness {
 public:
  PlanHarness() : files(clock), world{files, clock, ui}, runner(world) {}

  // Parses (the test fails when it does not parse) and runs the plan over `input`, a text with
  // `spareCapacity` bytes of room beyond its size.
  PlanRun run(std::string_view planText, std::string_view input, std::size_t spareCapacity = 0);
  // Runs only the blocks: Plan(blocks).
  PlanRun runBlocks(std::string_view blocks, std::string_view input, std::size_t spareCapacity = 0) {
    return run(Plan(blocks), input, spareCapacity);
  }

  FakeClock clock;
  FakeFileSystem files;
  ScriptedUi ui;
  PlanWorld world;
  CPlanRunner runner;
  PlanRunSettings settings{"C:\\Tools\\PlanDataHome", "メモ帳"};
};

inline constexpr std::string_view kValueLimitMessage =
    "プラン内で扱える値の最大値500KBを越えました。　\nプランはキャンセルされます。";

}  // namespace qb::test
