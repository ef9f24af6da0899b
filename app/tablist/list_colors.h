// The colours of a tab's list from its colour settings: COLORREF numbers, where 20000000 means
// that no colour is set and the system colours apply.
#pragma once
#include <cstdint>
#include <optional>

namespace qb {

inline constexpr std::int32_t kNoColorSetting = 20000000;

struct ListColors {
  std::optional<std::uint32_t> text;        // the text colour
  std::optional<std::uint32_t> background;  // the list's and the text's background
  bool operator==(const ListColors&) const = default;
};

inline std::optional<std::uint32_t> ColorSetting(std::int32_t value) {
  if (value == kNoColorSetting || value < 0 || value > 0xFFFFFF) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

inline ListColors ListColorsFrom(std::int32_t text, std::int32_t background) {
  return {ColorSetting(text), ColorSetting(background)};
}

}  // namespace qb
