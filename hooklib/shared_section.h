// The state every loaded copy of the hook library shares: one instance for all processes, the
// section MY_CLIPD. Every flag is one aligned 32-bit word, written whole; there is no lock.
#pragma once
#include <cstdint>

namespace qb::hook {

inline constexpr int kPlanGroupCount = 10;
inline constexpr int kNameSlotBytes = 14000;

struct SharedState {
  std::int32_t mouseHook;
  std::int32_t keyboardHook;
  std::int32_t mainWindow;
  std::int32_t buttonReleased;    // 1 once a left-button-up was seen since the last edge click
  std::int32_t awayFromEdge;      // 1 while the pointer is away from the screen edges
  std::int32_t leftEdgeOn;
  std::int32_t rightEdgeOn;
  std::int32_t planMenuOn;
  std::int32_t clickReportOn;
  std::int32_t startTime;         // milliseconds since load, taken at installation
  std::int32_t currentPlanGroup;  // 0..9
  std::int32_t planMenuStopped;
  std::int32_t swallowRightButton;
  char planNames[kPlanGroupCount][kNameSlotBytes];
  char groupNames[kNameSlotBytes];
};
static_assert(sizeof(SharedState) == 154052, "the shared section's layout is fixed");

}  // namespace qb::hook
