#include "planlib/editor/plan_edit_model.h"

#include <algorithm>
#include <array>

#include "base/sjis.h"
#include "planlib/editor/editor_messages.h"
#include "planlib/editor/plan_composer.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

namespace {

constexpr std::string_view kIndent = "　";

bool IsContainer(const PlanRow& row) {
  const BlockKind* kind = FindBlockKind(RowTagName(row));
  return kind != nullptr && kind->container;
}

std::size_t HeaderOrder(std::string_view tagName) {
  const std::vector<HeaderKind>& kinds = HeaderKinds();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i].tag == tagName) return i;
  }
  return kinds.size();
}

// The nine elements a new plan starts with, in the order the editor writes them.
std::string SkeletonText() {
  std::string text;
  for (const HeaderKind& kind : HeaderKinds()) {
    if (kind.tag == "PLAN_YOBI1") break;
    text += Element(kind.tag, "");
  }
  return text;
}

}  // namespace

std::string DepthLabel(int depth) {
  static constexpr std::array<std::string_view, 10> kLabels = {
      "１階層", "２階層", "３階層", "４階層", "５階層", "６階層", "７階層", "８階層", "９階層", "１０階層"};
  return depth >= 0 && depth < 10 ? std::string(kLabels[static_cast<std::size_t>(depth)]) : "";
}

bool ReadBlockGroup(std::string_view blockText, BlockGroup& group) {
  CPlanMain parsed;
  if (parsed.m_Analyze(blockText) != 0 || !parsed.m_Headers().empty()) return false;
  const std::vector<PlanRow>& blocks = parsed.m_Blocks();
  if (blocks.empty() || static_cast<std::size_t>(blocks[0].descendants) + 1 != blocks.size()) return false;
  if (parsed.m_PlanText() != blockText) return false;  // nothing outside the block
  group.rows.clear();
  for (const PlanRow& row : blocks) group.rows.push_back({row, row.depth});
  return true;
}

PlanEditModel::PlanEditModel() { open(""); }

EditResult PlanEditModel::open(std::string_view planText) {
  CPlanMain parsed;
  bool fresh = planText.empty();
  if (parsed.m_Analyze(fresh ? std::string_view(SkeletonText()) : planText) != 0) {
    return EditResult::Refused(editor_text::kOpenFailed);
  }
  plan_ = std::move(parsed);
  newPlan_ = fresh;
  return EditResult::Done();
}

std::vector<BlockListRow> PlanEditModel::listRows() const {
  std::vector<BlockListRow> rows;
  for (const PlanRow& row : plan_.m_Blocks()) {
    std::string text;
    for (int i = 0; i < row.depth; ++i) text += kIndent;
    rows.push_back({row.depth, text + row.description});
  }
  return rows;
}

std::string PlanEditModel::header(std::string_view tagName) const {
  return plan_.m_HeaderValue(OpenTag(tagName)).value_or("");
}

EditResult PlanEditModel::setHeader(std::string_view tagName, std::string_view value) {
  if (value.find(kTagStart) != std::string_view::npos) {
    return EditResult::Refused(editor_text::kReservedWord);
  }
  if (FindHeaderKind(tagName) == nullptr) return EditResult::Refused(editor_text::kReAnalyzeFailed);
  std::vector<PlanRow> headers = plan_.m_Headers();
  auto same = std::find_if(headers.begin(), headers.end(),
                           [&](const PlanRow& row) { return RowTagName(row) == tagName; });
  if (same != headers.end()) {
    same->value = std::string(value);
  } else {
    auto later = std::find_if(headers.begin(), headers.end(), [&](const PlanRow& row) {
      return HeaderOrder(RowTagName(row)) > HeaderOrder(tagName);
    });
    headers.insert(later, PlanRow{OpenTag(tagName), std::string(value), CloseTag(tagName), {}, 0, 0});
  }
  return rebuild(headers, placedBlocks(), editor_text::kReAnalyzeFailed);
}

EditResult PlanEditModel::setName(std::string_view name) {
  return setHeader("PLAN_NAME", name.substr(0, SjisCharToByte(name, kPlanNameCharacters)));
}

std::vector<GroupRow> PlanEditModel::placedBlocks() const {
  std::vector<GroupRow> placed;
  for (const PlanRow& row : plan_.m_Blocks()) placed.push_back({row, row.depth});
  return placed;
}

std::size_t PlanEditModel::subtreeEnd(std::size_t row) const {
  return row + static_cast<std::size_t>(plan_.m_Blocks()[row].descendants) + 1;
}

std::size_t PlanEditModel::ancestorAt(std::size_t row, int depth) const {
  const std::vector<PlanRow>& blocks = plan_.m_Blocks();
  while (row > 0 && blocks[row].depth != depth) --row;
  return row;
}

std::vector<int> PlanEditModel::depthsAtGap(std::size_t at) const {
  const std::vector<PlanRow>& blocks = plan_.m_Blocks();
  int deepest = at == 0 ? 0 : blocks[at - 1].depth + (IsContainer(blocks[at - 1]) ? 1 : 0);
  int shallowest = at == blocks.size() ? 0 : blocks[at].depth;
  std::vector<int> depths;
  for (int d = shallowest; d <= std::min(deepest, kPlanMaxDepth); ++d) depths.push_back(d);
  return depths;
}

std::vector<int> PlanEditModel::depthsAtEnd() const { return depthsAtGap(blockCount()); }

std::vector<int> PlanEditModel::depthsBeside(std::size_t row, Side side) const {
  if (row >= blockCount()) return {};
  if (side == Side::Above) return depthsAtGap(row);
  const PlanRow& selected = plan_.m_Blocks()[row];
  int deepest = selected.depth + (IsContainer(selected) ? 1 : 0);
  std::vector<int> depths;
  for (int d = 0; d <= std::min(deepest, kPlanMaxDepth); ++d) depths.push_back(d);
  return depths;
}

EditResult PlanEditModel::insertGroup(std::size_t at, int depth, const BlockGroup& group) {
  if (blockCount() + group.rows.size() > kPlanEditorBlocks) {
    return EditResult::Refused(editor_text::kTooManyBlocks);
  }
  if (depth + group.deepest() > kPlanMaxDepth) return EditResult::Refused(editor_text::kTooDeep);
  std::vector<int> allowed = depthsAtGap(at);
  if (std::find(allowed.begin(), allowed.end(), depth) == allowed.end()) {
    return EditResult::Refused(editor_text::kInsertFailed);
  }
  std::vector<GroupRow> blocks = placedBlocks();
  std::vector<GroupRow> placed;
  for (const GroupRow& r : group.rows) placed.push_back({r.row, depth + r.depth});
  blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(at), placed.begin(), placed.end());
  return rebuild(plan_.m_Headers(), blocks, editor_text::kInsertFailed);
}

EditResult PlanEditModel::addAtEnd(std::string_view blockText, int depth) {
  BlockGroup group;
  if (!ReadBlockGroup(blockText, group) || group.rows.size() != 1) {
    return EditResult::Refused(editor_text::kInsertFailed);
  }
  return insertGroup(blockCount(), depth, group);
}

EditResult PlanEditModel::addBeside(std::size_t row, Side side, int depth, std::string_view blockText) {
  BlockGroup group;
  if (row >= blockCount() || !ReadBlockGroup(blockText, group) || group.rows.size() != 1) {
    return EditResult::Refused(editor_text::kInsertFailed);
  }
  const PlanRow& selected = plan_.m_Blocks()[row];
  std::size_t at = row;
  if (side == Side::Below) {
    at = depth > selected.depth ? row + 1 : subtreeEnd(ancestorAt(row, depth));
  }
  return insertGroup(at, depth, group);
}

EditResult PlanEditModel::changeBlock(std::size_t row, std::string_view blockText) {
  BlockGroup group;
  if (row >= blockCount() || !ReadBlockGroup(blockText, group) || group.rows.size() != 1) {
    return EditResult::Refused(editor_text::kUpdateFailed);
  }
  std::vector<GroupRow> blocks = placedBlocks();
  PlanRow& target = blocks[row].row;
  if (group.rows[0].row.openTag != target.openTag) {
    return EditResult::Refused(editor_text::kUpdateTagFailed);
  }
  target.value = group.rows[0].row.value;
  return rebuild(plan_.m_Headers(), blocks, editor_text::kUpdateFailed);
}

EditResult PlanEditModel::replaceBlocks(std::string_view blocksText) {
  CPlanMain parsed;
  if (parsed.m_Analyze(blocksText) != 0 || !parsed.m_Headers().empty() ||
      parsed.m_Blocks().size() > kPlanEditorBlocks) {
    return EditResult::Refused(editor_text::kPatternParseFailed);
  }
  std::vector<GroupRow> blocks;
  for (const PlanRow& row : parsed.m_Blocks()) blocks.push_back({row, row.depth});
  return rebuild(plan_.m_Headers(), blocks, editor_text::kPatternParseFailed);
}

BlockGroup PlanEditModel::copy(std::size_t row) const {
  BlockGroup group;
  if (row >= blockCount()) return group;
  const std::vector<PlanRow>& blocks = plan_.m_Blocks();
  for (std::size_t i = row; i < subtreeEnd(row); ++i) {
    group.rows.push_back({blocks[i], blocks[i].depth - blocks[row].depth});
  }
  return group;
}

EditResult PlanEditModel::cut(std::size_t row, BlockGroup& taken) {
  if (row >= blockCount()) return EditResult::Declined();
  BlockGroup group = copy(row);
  std::vector<GroupRow> blocks = placedBlocks();
  blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(row),
               blocks.begin() + static_cast<std::ptrdiff_t>(subtreeEnd(row)));
  EditResult result = rebuild(plan_.m_Headers(), blocks, editor_text::kReAnalyzeFailed);
  if (result.ok) taken = std::move(group);
  return result;
}

EditResult PlanEditModel::paste(std::size_t row, Side side, const BlockGroup& group) {
  if (row >= blockCount() || group.empty()) return EditResult::Declined();
  std::size_t at = side == Side::Above ? row : subtreeEnd(row);
  return insertGroup(at, plan_.m_Blocks()[row].depth, group);
}

EditResult PlanEditModel::remove(std::size_t row, EditorQuestions& questions) {
  if (row >= blockCount() || !questions.ask(editor_text::kDeleteQuestion)) return EditResult::Declined();
  std::vector<GroupRow> blocks = placedBlocks();
  blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(row),
               blocks.begin() + static_cast<std::ptrdiff_t>(subtreeEnd(row)));
  return rebuild(plan_.m_Headers(), blocks, editor_text::kReAnalyzeFailed);
}

EditResult PlanEditModel::rebuild(const std::vector<PlanRow>& headers,
                                  const std::vector<GroupRow>& blocks, std::string_view failure) {
  std::string text = ComposePlanText(headers, blocks);
  if (text.size() > kPlanTextBytes) return EditResult::Refused(editor_text::kTooLarge);
  CPlanMain parsed;
  if (parsed.m_Analyze(text) != 0 || parsed.m_Blocks().size() != blocks.size()) {
    return EditResult::Refused(failure);
  }
  plan_ = std::move(parsed);
  return EditResult::Done();
}

}  // namespace qb
