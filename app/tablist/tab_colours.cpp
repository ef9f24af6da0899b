#include "app/tablist/tab_colours.h"

namespace qb {

std::optional<std::uint32_t> ColourFromSetting(std::int32_t value) {
  // A COLORREF is 0x00bbggrr: anything outside 0..0xFFFFFF is not a colour.
  if (value < 0 || value > 0xFFFFFF) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace qb
