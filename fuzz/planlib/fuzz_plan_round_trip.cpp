// A parsed plan written back and parsed again gives the same tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "planlib/engine/plan_main.h"

namespace {

bool SameRows(const std::vector<qb::PlanRow>& a, const std::vector<qb::PlanRow>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].openTag != b[i].openTag || a[i].value != b[i].value || a[i].closeTag != b[i].closeTag ||
        a[i].description != b[i].description || a[i].descendants != b[i].descendants ||
        a[i].depth != b[i].depth) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  qb::CPlanMain first;
  if (first.m_Analyze(text) != 0) return 0;
  std::string written = first.m_PlanText();
  qb::CPlanMain second;
  if (second.m_Analyze(written) != 0) std::abort();
  if (!SameRows(first.m_Headers(), second.m_Headers()) || !SameRows(first.m_Blocks(), second.m_Blocks())) {
    std::abort();
  }
  if (second.m_PlanText() != written) std::abort();
  return 0;
}
