// The per-second sequence number that orders items stored within one second.
#pragma once
#include <string>

#include "base/date_time.h"

namespace qb {

class SequenceCounter {
 public:
  // The number for a store at `now`: 1 for the first store in a new second, one more for each
  // further store within the same second.
  int next(const DateTime& now);
  // The counter as it stands, for a read that only formats a time.
  int current() const { return counter_; }

 private:
  DateTime second_{};
  bool any_ = false;
  int counter_ = 0;
};

// "%03d".
std::string SequenceText(int sequence);

}  // namespace qb
