// Plan engine speed: every text block and the standard transforms over a 512000-byte,
// 10000-line mixed text.
#include <benchmark/benchmark.h>

#include "bench/planlib/bench_text.h"
#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_runner.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

namespace qb::bench {
namespace {

const std::string& Text() {
  static const std::string text = MixedText();
  return text;
}

struct Ports {
  Ports() : files(clock), world{files, clock, ui} {
    std::string pairs;
    for (const char* pair : {"テスト:::試験", "abc:::ABC", "漢字:::かんじ", "123:::四五六", "xyz:::",
                             "データ:::data", "表示:::ひょうじ", "ｶﾞ:::が", "　::: ", "\t:::    "}) {
      pairs += std::string(pair) + "\r\n";
    }
    files.putFile("C:\\bench\\pairs.txt", pairs);
    files.putFile("C:\\bench\\text.txt", Text());
  }
  FakeClock clock;
  FakeFileSystem files;
  ScriptedUi ui;
  PlanWorld world;
};

void RunPlan(benchmark::State& state, const std::string& planText) {
  Ports ports;
  CPlanMain plan;
  if (plan.m_Analyze(planText) != 0) {
    state.SkipWithError(plan.m_ErrorDetail().c_str());
    return;
  }
  CPlanRunner runner(ports.world);
  PlanRunSettings settings{"C:\\bench", "bench"};
  int result = 0;
  for (auto _ : state) {
    std::string text = Text();
    result = runner.m_Run(plan, settings, text);
    benchmark::DoNotOptimize(text.data());
  }
  if (!PlanCompleted(result)) state.SkipWithError("the plan did not complete");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(Text().size()));
}

std::string Change(const char* kind, const char* search, const char* replacement, const char* ignoreCase) {
  return BlockOf("CHANGE", {{"KIND_FIND", "1"}, {"KIND_ADR", kind}, {"IDX_CN", "100000"}, {"KIND_KMS", "1"},
                            {"KIND_TMS", "1"}, {"KIND_ALPHABET", ignoreCase}, {"DATASR", search},
                            {"DATATK", replacement}});
}

std::string Cutting(const std::string& children) {
  return ContainerOf("CUTTING",
                     {{"KIND_CUT_S", "2"}, {"KIND_KMS_S", "1"}, {"KIND_ALPHABET_S", "0"}, {"DATA_S", "漢字"},
                      {"IDX_CN_S", "0"}, {"KIND_CUT_E", "2"}, {"KIND_KMS_E", "1"}, {"KIND_ALPHABET_E", "0"},
                      {"DATA_E", "表示"}, {"IDX_CN_E", "0"}, {"LEN", "0"}},
                     children);
}

void RegisterAll() {
  std::vector<std::pair<std::string, std::string>> blocks = {
      {"insert_end", BlockOf("INSERT", {{"KIND_ADR", "5"}, {"KIND_IMS", "1"}, {"IDX_IN", "0"}, {"DATAIN", "end"}})},
      {"insert_char_position",
       BlockOf("INSERT", {{"KIND_ADR", "6"}, {"KIND_IMS", "1"}, {"IDX_IN", "200000"}, {"DATAIN", "mid"}})},
      {"change_all", Change("3", "テスト", "試験", "0")},
      {"change_all_ignore_case", Change("3", "abc", "XYZ", "1")},
      {"change_last", Change("2", "abc", "XYZ", "0")},
      {"change_after_position", Change("10", "漢字", "かな", "0")},
      {"change_file", BlockOf("CHANGE_FILE", {{"KIND_FIND", "1"}, {"KIND_ADR", "3"}, {"IDX_CN", "0"},
                                              {"KIND_ALPHABET", "0"}, {"FILE_PATH", "C:\\bench\\pairs.txt"}})},
      {"delete_posi", BlockOf("DELETE_POSI", {{"KIND_ADR", "7"}, {"IDX_START", "100001"}, {"LEN", "200000"},
                                              {"ZEN_NOTCUT", "1"}})},
      {"delete_pattern_all_blanks", BlockOf("DELETE_PATTERN", {{"KIND_PATTERN", "103"}})},
      {"delete_pattern_trailing", BlockOf("DELETE_PATTERN", {{"KIND_PATTERN", "105"}})},
      {"change_pattern_collapse_spaces", BlockOf("CHANGE_PATTERN", {{"KIND_PATTERN", "1"}})},
      {"change_pattern_upper", BlockOf("CHANGE_PATTERN", {{"KIND_PATTERN", "9"}})},
      {"change_pattern_digits_full", BlockOf("CHANGE_PATTERN", {{"KIND_PATTERN", "7"}})},
      {"change_pattern_symbols_full", BlockOf("CHANGE_PATTERN", {{"KIND_PATTERN", "15"}})},
      {"cutting", Cutting(BlockOf("INSERT", {{"KIND_ADR", "3"}, {"KIND_IMS", "1"}, {"IDX_IN", "0"}, {"DATAIN", "-"}}))},
      {"division_line_chars", BlockOf("DIVISION_LINE", {{"KIND_KETA", "1"}, {"LEN", "7"}})},
      {"sort_line_bytes_from_5", BlockOf("SORT_LINE", {{"KIND_KETA", "2"}, {"KIND_SORT", "1"}, {"IDX_START", "5"}})},
      {"line_add_each_line", LineOf(BlockOf("LINE_ADD", {{"KIND_ADR", "20"}, {"DATAIN", "<$現在行>"}}))},
      {"line_empty", LineOf("")},
      {"insert_file", BlockOf("INSERT_FILE", {{"KIND_ADR", "3"}, {"KIND_INFILE", "2"}, {"IDX_START", "100"},
                                              {"IDX_END", "9000"}, {"FILE_PATH", "C:\\bench\\text.txt"}})},
  };
  for (const auto& [name, block] : blocks) {
    benchmark::RegisterBenchmark(("block/" + name).c_str(), RunPlan, PlanOf(block))->Unit(benchmark::kMillisecond);
  }
  // A LINE loop over the 10000 lines whose block names a plan variable, with a 500 KB work
  // variable set (the whole text) and without: substitution looks only at the names that occur,
  // so both take time in proportion to the text.
  std::string workVariable = BlockOf("PLAN_HENSU_SET", {{"KIND_IN", "1"}, {"KIND_PLANHENSU", "101"}, {"KIND_ADR", "3"},
                                                        {"KIND_IMS", "1"}, {"DATAIN", ""}, {"MIDASHI", ""}, {"IN_HISU", "1"}});
  std::string numberEachLine =
      LineOf(BlockOf("INSERT", {{"KIND_ADR", "5"}, {"KIND_IMS", "1"}, {"IDX_IN", "0"}, {"DATAIN", " <$現在行>"}}));
  benchmark::RegisterBenchmark("substitution/line_loop", RunPlan, PlanOf(numberEachLine))
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("substitution/line_loop_with_500k_work_variable", RunPlan,
                               PlanOf(workVariable + numberEachLine))
      ->Unit(benchmark::kMillisecond);
  for (const NamedPlan& transform : StandardTransforms()) {
    benchmark::RegisterBenchmark(("standard/" + transform.name).c_str(), RunPlan, transform.plan)
        ->Unit(benchmark::kMillisecond);
  }
}

void ParseHundredBlocks(benchmark::State& state) {
  std::string blocks;
  for (int i = 0; i < 20; ++i) {
    blocks += LineOf(BlockOf("INSERT", {{"KIND_ADR", "4"}, {"KIND_IMS", "1"}, {"IDX_IN", "0"}, {"DATAIN", "> "}}) +
                     Change("3", "a", "b", "0") + BlockOf("LINE_NEXT", {}) + BlockOf("LINE_DELETE", {}));
  }
  std::string text = PlanOf(blocks);
  for (auto _ : state) {
    CPlanMain plan;
    benchmark::DoNotOptimize(plan.m_Analyze(text));
  }
}
BENCHMARK(ParseHundredBlocks);

const bool kRegistered = (RegisterAll(), true);

}  // namespace
}  // namespace qb::bench
