// The seven tabs of the main window, numbered as the program numbers them everywhere.
#pragma once
#include <string_view>

namespace qb {

enum class TabKind : int {
  kHistory = 1,
  kSave = 2,
  kRelated = 3,
  kShared = 4,
  kOpen = 5,
  kPlan = 6,
  kStack = 7,
};

inline constexpr int kTabKindCount = 7;

// "IDT1_BTN01" .. "IDT7_BTN01".
std::string_view TabButtonId(TabKind kind);

}  // namespace qb
