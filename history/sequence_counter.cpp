#include "history/sequence_counter.h"

#include <cstdio>

namespace qb {

int SequenceCounter::next(const DateTime& now) {
  DateTime second = now;
  second.millisecond = 0;
  if (any_ && second == second_) {
    ++counter_;
  } else {
    second_ = second;
    any_ = true;
    counter_ = 1;
  }
  return counter_;
}

std::string SequenceText(int sequence) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", sequence);
  return text;
}

}  // namespace qb
