// The plan selection window: a note above a list of plan names.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

class PlanChooser {
 public:
  virtual ~PlanChooser() = default;
  // The position of the chosen name, or nothing when the window was cancelled.
  virtual std::optional<int> choose(std::string_view caption, std::string_view note,
                                    const std::vector<std::string>& names) = 0;
};

}  // namespace qb
