// The colours of a tab's list, from the colour settings: a stored value of 20000000 means that
// no colour is set and the system colours apply.
#pragma once
#include <cstdint>
#include <optional>

namespace qb {

inline constexpr std::int32_t kNoColourSetting = 20000000;

struct TabColours {
  std::optional<std::uint32_t> text;        // a COLORREF, or the system colour
  std::optional<std::uint32_t> background;  // also the text background
};

// One colour setting as a COLORREF; empty for "not set" and for values no COLORREF can hold.
std::optional<std::uint32_t> ColourFromSetting(std::int32_t value);

inline TabColours ColoursFromSettings(std::int32_t text, std::int32_t background) {
  return {ColourFromSetting(text), ColourFromSetting(background)};
}

}  // namespace qb
