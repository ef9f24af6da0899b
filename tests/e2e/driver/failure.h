// How a scenario reports a step that did not hold, and the running notes of what it did.
#pragma once
#include <stdexcept>
#include <string>

namespace qb::e2e {

// Thrown by a step that did not hold; the text (UTF-8) says what was expected and what was seen.
class ScenarioFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline void expect(bool holds, const std::string& what) {
  if (!holds) throw ScenarioFailure(what);
}

// One line on stderr per step, as it happens, with the milliseconds since the driver started;
// a run that is cut off by a time-out still shows how far it got.
void noteStep(const std::string& line);

}  // namespace qb::e2e
