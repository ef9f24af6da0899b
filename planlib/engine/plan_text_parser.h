// Reads a plan text into rows. Every scan is bounded; a text beyond the tables or the depth
// limit is a parse error, never an overflow.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "planlib/engine/plan_main.h"

namespace qb {

class PlanTextParser {
 public:
  // All rows in document order (headers included, at depth 0). False with error() on failure.
  bool parse(std::string_view text, std::vector<PlanRow>& rows);
  const std::string& error() const { return error_; }

 private:
  // Parses text[begin, end) as one sequence at `depth`; appends rows; false on error.
  bool parseSequence(std::string_view text, std::size_t begin, std::size_t end, int depth,
                     std::vector<PlanRow>& rows, int& produced);
  // Position of the closing tag that matches `open`, searching from `from`; npos if none.
  std::size_t findMatchingClose(std::string_view text, std::size_t from, std::size_t end,
                                const std::string& open, const std::string& close);
  bool appendRow(PlanRow row, std::vector<PlanRow>& rows);
  bool fail(std::string message, std::size_t position);

  std::string error_;
  std::size_t blockRows_ = 0;
  std::size_t headerRows_ = 0;
};

}  // namespace qb
