#include "bench/planlib/bench_text.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "planlib/engine/plan_tags.h"

namespace qb::bench {

namespace {

constexpr std::array<std::string_view, 14> kPieces = {
    "テスト", "ｶﾞｷﾞｸﾞ", "abc", "ABC", " ", "　", "\t", "123", "データ", "ﾃﾞｰﾀ", "漢字", "xyz", "表示", "ﾊﾟﾋﾟ"};

std::string LineFromSeed(std::uint32_t seed, std::size_t length) {
  std::string line;
  std::uint32_t state = seed * 2654435761u + 12345u;
  while (true) {
    state = state * 1103515245u + 12345u;
    std::string_view piece = kPieces[(state >> 16) % kPieces.size()];
    if (line.size() + piece.size() > length) break;
    line += piece;
  }
  line.append(length - line.size(), 'a');
  return line;
}

}  // namespace

std::string MixedText() {
  constexpr int kLines = 10000;
  constexpr std::size_t kBytes = 512000;
  std::vector<std::string> lines;
  std::size_t content = 0;
  for (int i = 0; i < kLines; ++i) {
    std::uint32_t seed = static_cast<std::uint32_t>(i % 7000);  // 3000 repeated lines
    lines.push_back(LineFromSeed(seed, 49 + (seed % 5 == 0 ? 1 : 0)));
    content += lines.back().size();
  }
  std::size_t wanted = kBytes - 2 * kLines;
  std::string& last = lines.back();
  if (content < wanted) last.append(wanted - content, 'a');
  if (content > wanted) last.resize(last.size() - (content - wanted));
  std::string text;
  text.reserve(kBytes);
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string BlockOf(const std::string& tag, const std::vector<std::pair<std::string, std::string>>& elements) {
  std::string value;
  for (const auto& [name, content] : elements) value += Element(name, content);
  return Element(tag, value);
}

std::string ContainerOf(const std::string& tag, const std::vector<std::pair<std::string, std::string>>& elements,
                        const std::string& children) {
  std::string settings;
  for (const auto& [name, content] : elements) settings += Element(name, content);
  return OpenTag(tag) + Element(tag + "ME", settings) + children + CloseTag(tag);
}

std::string LineOf(const std::string& children) { return ContainerOf("LINE", {}, children); }

std::string PlanOf(const std::string& blocks) { return Element("PLAN_NAME", "bench") + blocks; }

namespace {

std::string Insert(const char* where, const std::string& text) {
  return BlockOf("INSERT", {{"KIND_ADR", where}, {"KIND_IMS", "1"}, {"IDX_IN", "0"}, {"DATAIN", text}});
}

std::string Sort(const char* order) {
  return BlockOf("SORT_LINE", {{"KIND_KETA", "1"}, {"KIND_SORT", order}, {"IDX_START", "1"}});
}

std::string ChangePattern(const char* code) { return BlockOf("CHANGE_PATTERN", {{"KIND_PATTERN", code}}); }

}  // namespace

std::vector<NamedPlan> StandardTransforms() {
  return {
      {"bracket_lines", PlanOf(LineOf(Insert("4", "「") + Insert("5", "」")))},
      {"remove_blanks", PlanOf(BlockOf("DELETE_PATTERN", {{"KIND_PATTERN", "106"}}))},
      {"divide_lines", PlanOf(BlockOf("DIVISION_LINE", {{"KIND_KETA", "2"}, {"LEN", "20"}}))},
      {"dedupe_lines", PlanOf(BlockOf("SAME_DELETE_LINE", {{"KIND_ADR", "0"}}))},
      {"sort_descending", PlanOf(Sort("2"))},
      {"sort_ascending", PlanOf(Sort("1"))},
      {"kana_to_full", PlanOf(ChangePattern("13"))},
      {"kana_to_half", PlanOf(ChangePattern("14"))},
      {"quote_lines", PlanOf(LineOf(Insert("4", "> ")))},
  };
}

}  // namespace qb::bench
