// Substitution of plan variables gives what replacing every variable name in turn, in the fixed
// order, over the whole text gives, and refuses a result over the ceiling in the same cases.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planlib/engine/plan_variables.h"

namespace {

constexpr std::size_t kCeiling = 4096;

// Pieces of the input separated by NUL bytes: the setting first, then values.
std::vector<std::string_view> Pieces(std::string_view data) {
  std::vector<std::string_view> pieces;
  std::size_t pos = 0;
  while (pieces.size() < 8) {
    std::size_t end = data.find('\0', pos);
    pieces.push_back(data.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return pieces;
}

std::string Shown(const qb::PlanVariables& variables, int code) {
  if (qb::PlanVariables::isTextCode(code)) return variables.text(code);
  int width = code >= qb::var::kFormatCounter01 && code <= qb::var::kFormatCounter01 + 8
                  ? code - qb::var::kFormatCounter01 + 1
                  : 1;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, variables.number(code));
  return buffer;
}

// Every name replaced left to right, variable after variable, each over the whole text.
std::optional<std::string> Reference(const qb::PlanVariables& variables, std::string text) {
  if (text.size() > kCeiling) return std::nullopt;
  for (int code : qb::PlanVariables::substitutionOrder()) {
    std::string name = qb::PlanVariables::nameOfCode(code);
    std::string value = Shown(variables, code);
    for (std::size_t hit = text.find(name); hit != std::string::npos; hit = text.find(name, hit + value.size())) {
      text.replace(hit, name.size(), value);
    }
    if (text.size() > kCeiling) return std::nullopt;
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> pieces = Pieces(std::string_view(reinterpret_cast<const char*>(data), size));
  qb::PlanVariables variables;
  variables.reset({"plan", "C:\\home", "window"});
  variables.setNow({2024, 1, 2, 3, 4, 5});
  const int codes[] = {qb::var::kWork01, qb::var::kWork01 + 1, qb::var::kWork01 + 19, qb::var::kLastInPath,
                       qb::var::kSelectResult, qb::var::kActWinName, qb::var::kDataHome};
  for (std::size_t i = 1; i < pieces.size(); ++i) variables.setText(codes[i - 1], std::string(pieces[i]));
  for (int i = 0; i < 19; ++i) variables.setNumber(qb::var::kCounter01 + i, static_cast<int>(size) * (i - 9));
  std::string text(pieces[0]);
  variables.countCharactersOf(text);
  std::optional<std::string> fast = variables.substitute(text, kCeiling);
  if (fast != Reference(variables, text)) std::abort();
  return 0;
}
