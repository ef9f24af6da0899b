// The text and the plans that the plan-engine benchmarks and the comparison script share.
#pragma once
#include <string>
#include <vector>

namespace qb::bench {

// 512000 bytes in 10000 lines (each ended by CR LF) of mixed Japanese and ASCII, with
// repeated lines; the same every time.
std::string MixedText();

struct NamedPlan {
  std::string name;  // "quote_lines"
  std::string plan;  // a whole plan text
};

// The transforms of the plan-call standard plans: bracket each line with 「」, remove blanks,
// tabs and line ends, divide lines, remove duplicate lines, sort descending and ascending, kana
// width both ways, quote lines.
std::vector<NamedPlan> StandardTransforms();

// Plan text helpers.
std::string PlanOf(const std::string& blocks);
std::string BlockOf(const std::string& tag, const std::vector<std::pair<std::string, std::string>>& elements);
std::string LineOf(const std::string& children);
std::string ContainerOf(const std::string& tag, const std::vector<std::pair<std::string, std::string>>& elements,
                        const std::string& children);

}  // namespace qb::bench
