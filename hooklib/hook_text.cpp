#include "hooklib/hook_text.h"

#include <cstring>

#include "base/sjis.h"

namespace qb::hook {

void CopyIntoSlot(char* slot, std::size_t slotBytes, const char* text) {
  if (slotBytes == 0) return;
  const std::string_view whole = text ? std::string_view(text, strnlen(text, slotBytes))
                                      : std::string_view();
  const std::string kept = CutBytesWhole(whole, slotBytes - 1);
  std::memcpy(slot, kept.data(), kept.size());
  slot[kept.size()] = '\0';
}

void FillReport(char (&buffer)[kReportBytes], std::string_view text) {
  std::memset(buffer, 0, sizeof buffer);
  const std::string kept = CutBytesWhole(text, kReportBytes - 1);
  std::memcpy(buffer, kept.data(), kept.size());
}

std::vector<std::string> SplitMenuLines(std::string_view text, std::size_t maxItems) {
  std::vector<std::string> items;
  while (!text.empty() && items.size() < maxItems) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos || items.size() + 1 == maxItems) {
      items.emplace_back(text);
      break;
    }
    items.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return items;
}

std::string PlanChosenReport(int group, int index) {
  return "MouseHook4:::" + std::to_string(group) + ":::" + std::to_string(index);
}

}  // namespace qb::hook
