// The limit applied to an integer setting when it is read from a file: values below a lower edge
// and values above an upper edge are replaced by a fixed value each.
#pragma once
#include <cstdint>
#include <optional>

namespace qb {

class KeyLimit {
 public:
  // No limit.
  constexpr KeyLimit() = default;

  std::int32_t apply(std::int32_t value) const;

  friend KeyLimit BelowBecomes(std::int32_t edge, std::int32_t replacement);
  friend KeyLimit AtOrBelowBecomes(std::int32_t edge, std::int32_t replacement);
  friend KeyLimit AboveBecomes(std::int32_t edge, std::int32_t replacement);
  friend KeyLimit AtOrAboveBecomes(std::int32_t edge, std::int32_t replacement);
  friend KeyLimit ClampedTo(std::int32_t lowest, std::int32_t highest);

 private:
  struct Replacement {
    std::int64_t edge;  // values beyond it (exclusive) are replaced
    std::int32_t value;
  };
  std::optional<Replacement> low_;   // value < edge
  std::optional<Replacement> high_;  // value > edge
};

// value < edge becomes `replacement`.
KeyLimit BelowBecomes(std::int32_t edge, std::int32_t replacement);
// value <= edge becomes `replacement`.
KeyLimit AtOrBelowBecomes(std::int32_t edge, std::int32_t replacement);
// value > edge becomes `replacement`.
KeyLimit AboveBecomes(std::int32_t edge, std::int32_t replacement);
// value >= edge becomes `replacement`.
KeyLimit AtOrAboveBecomes(std::int32_t edge, std::int32_t replacement);
// Values outside lowest..highest become the nearer end.
KeyLimit ClampedTo(std::int32_t lowest, std::int32_t highest);

}  // namespace qb
