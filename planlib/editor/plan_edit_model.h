// The plan being edited: its text and the parse of it. Every change builds the text again and
// parses it (re-analysis), so the header and block tables always are the parse of the text; a
// change whose text does not parse leaves the plan as it was.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/block_group.h"
#include "planlib/editor/edit_result.h"
#include "planlib/engine/plan_main.h"

namespace qb {

enum class Side { Above, Below };

// One row of the block list: the description indented by depth.
struct BlockListRow {
  int depth = 0;
  std::string text;
};

inline constexpr std::size_t kPlanNameCharacters = 60;

class PlanEditModel {
 public:
  PlanEditModel();

  // An empty text is a new plan: the header skeleton with empty values and no blocks.
  EditResult open(std::string_view planText);
  bool isNewPlan() const { return newPlan_; }

  const CPlanMain& plan() const { return plan_; }
  std::string planText() const { return plan_.m_PlanText(); }
  std::size_t blockCount() const { return plan_.m_Blocks().size(); }
  std::vector<BlockListRow> listRows() const;

  // Header values by tag name ("PLAN_NAME"); empty when absent.
  std::string header(std::string_view tagName) const;
  // Sets a header value, adding the element in the header order when it is missing. Refuses "<@@".
  EditResult setHeader(std::string_view tagName, std::string_view value);
  // The name field: at most 60 characters (a double-byte character counts one); longer input is
  // cut at a whole character, as the field's limit does.
  EditResult setName(std::string_view name);
  EditResult setSummary(std::string_view summary) { return setHeader("PLAN_GAIYO", summary); }

  // The depths (0 = "１階層") a new block may take at the end, or above or below a row.
  std::vector<int> depthsAtEnd() const;
  std::vector<int> depthsBeside(std::size_t row, Side side) const;
  // `blockText` is one block written alone ("<@@LOOP><@@LOOPME>…<@@/LOOPME><@@/LOOP>").
  EditResult addAtEnd(std::string_view blockText, int depth);
  EditResult addBeside(std::size_t row, Side side, int depth, std::string_view blockText);
  // A new text for the block itself (a container keeps its descendants); the kind stays.
  EditResult changeBlock(std::size_t row, std::string_view blockText);
  // Replaces every block by the blocks of `blocksText` (the basic patterns).
  EditResult replaceBlocks(std::string_view blocksText);

  BlockGroup copy(std::size_t row) const;
  // Copies the block with its descendants into `taken` and removes them.
  EditResult cut(std::size_t row, BlockGroup& taken);
  // The group goes above the row or below the row's descendants, at the row's depth.
  EditResult paste(std::size_t row, Side side, const BlockGroup& group);
  // Asks, then removes the block with all its descendants.
  EditResult remove(std::size_t row, EditorQuestions& questions);

 private:
  std::vector<GroupRow> placedBlocks() const;
  // Gap before row `at` (0..count): the depths a block may take there.
  std::vector<int> depthsAtGap(std::size_t at) const;
  std::size_t subtreeEnd(std::size_t row) const;
  std::size_t ancestorAt(std::size_t row, int depth) const;
  EditResult insertGroup(std::size_t at, int depth, const BlockGroup& group);
  // Re-analysis of the text of these rows; on failure the plan stays and `failure` is returned.
  EditResult rebuild(const std::vector<PlanRow>& headers, const std::vector<GroupRow>& blocks,
                     std::string_view failure);

  CPlanMain plan_;
  bool newPlan_ = true;
};

// "１階層" … "１０階層" for depths 0-9.
std::string DepthLabel(int depth);

// The single block of `blockText` with its descendants; false when the text is not exactly one
// block (headers and text outside the block are refused).
bool ReadBlockGroup(std::string_view blockText, BlockGroup& group);

}  // namespace qb
