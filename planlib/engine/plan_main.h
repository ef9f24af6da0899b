// A parsed plan: the header table and the block table in document order (pre-order), with the
// nesting given by depth and descendant counts.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct PlanRow {
  std::string openTag;   // "<@@INSERT>"
  std::string value;     // a simple block's elements; a container's settings element only
  std::string closeTag;  // "<@@/INSERT>"
  std::string description;
  int descendants = 0;   // rows after this one that belong to it, at all depths
  int depth = 0;         // 0 for a top-level block
};

class CPlanMain {
 public:
  // Parses a plan text, replacing both tables. 0, or -1 with m_ErrorDetail() saying why; the
  // tables are then empty.
  int m_Analyze(std::string_view planText);

  // The plan text of the tables: header rows first, then the blocks, containers around their
  // descendants.
  std::string m_PlanText() const;

  // The value of the first header row with this opening tag ("<@@PLAN_NAME>").
  std::optional<std::string> m_HeaderValue(std::string_view openTag) const;

  const std::vector<PlanRow>& m_Headers() const { return headers_; }
  const std::vector<PlanRow>& m_Blocks() const { return blocks_; }
  const std::string& m_ErrorDetail() const { return errorDetail_; }

  void m_Clear();

 private:
  std::vector<PlanRow> headers_;
  std::vector<PlanRow> blocks_;
  std::string errorDetail_;
};

// The tag name of a row ("<@@LINE>" -> "LINE").
std::string_view RowTagName(const PlanRow& row);

}  // namespace qb
