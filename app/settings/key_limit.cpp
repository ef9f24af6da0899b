#include "app/settings/key_limit.h"

namespace qb {

std::int32_t KeyLimit::apply(std::int32_t value) const {
  if (low_ && value < low_->edge) return low_->value;
  if (high_ && value > high_->edge) return high_->value;
  return value;
}

KeyLimit BelowBecomes(std::int32_t edge, std::int32_t replacement) {
  KeyLimit limit;
  limit.low_ = KeyLimit::Replacement{edge, replacement};
  return limit;
}

KeyLimit AtOrBelowBecomes(std::int32_t edge, std::int32_t replacement) {
  KeyLimit limit;
  limit.low_ = KeyLimit::Replacement{std::int64_t{edge} + 1, replacement};
  return limit;
}

KeyLimit AboveBecomes(std::int32_t edge, std::int32_t replacement) {
  KeyLimit limit;
  limit.high_ = KeyLimit::Replacement{edge, replacement};
  return limit;
}

KeyLimit AtOrAboveBecomes(std::int32_t edge, std::int32_t replacement) {
  KeyLimit limit;
  limit.high_ = KeyLimit::Replacement{std::int64_t{edge} - 1, replacement};
  return limit;
}

KeyLimit ClampedTo(std::int32_t lowest, std::int32_t highest) {
  KeyLimit limit;
  limit.low_ = KeyLimit::Replacement{lowest, lowest};
  limit.high_ = KeyLimit::Replacement{highest, highest};
  return limit;
}

}  // namespace qb
