#include "planlib/editor/plan_editor_commands.h"

#include "planlib/editor/basic_patterns.h"
#include "planlib/editor/block_forms.h"
#include "planlib/editor/editor_messages.h"
#include "planlib/engine/plan_limits.h"

namespace qb {

bool PlanEditorCommands::done(const EditResult& result) {
  if (!result.ok && !result.message.empty()) screens_.refuse(result.message);
  return result.ok;
}

std::optional<std::string> PlanEditorCommands::newBlock() {
  const std::optional<std::string> tag = screens_.chooseBlockKind();
  if (!tag) return std::nullopt;
  const ElementForm* form = FindBlockForm(*tag);
  if (form == nullptr) return std::nullopt;
  BlockDialogModel dialog(*form);
  return screens_.editBlock(dialog);
}

bool PlanEditorCommands::addAtEnd() {
  if (model_.blockCount() >= kPlanEditorBlocks) return done(EditResult::Refused(editor_text::kTooManyBlocks));
  const std::vector<int> depths = model_.depthsAtEnd();
  if (depths.empty()) return false;
  std::optional<int> depth = depths.front();
  if (depths.size() > 1) {
    const int lastDepth = model_.plan().m_Blocks().back().depth;
    depth = screens_.chooseDepth(depths, lastDepth);
  }
  if (!depth) return false;
  const std::optional<std::string> block = newBlock();
  return block && done(model_.addAtEnd(*block, *depth));
}

bool PlanEditorCommands::addBeside(std::size_t row, Side side) {
  if (row >= model_.blockCount()) return false;
  if (model_.blockCount() >= kPlanEditorBlocks) return done(EditResult::Refused(editor_text::kTooManyBlocks));
  const std::vector<int> depths = model_.depthsBeside(row, side);
  if (depths.empty()) return false;
  std::optional<int> depth = depths.front();
  if (depths.size() > 1) depth = screens_.chooseDepth(depths, model_.plan().m_Blocks()[row].depth);
  if (!depth) return false;
  const std::optional<std::string> block = newBlock();
  return block && done(model_.addBeside(row, side, *depth, *block));
}

bool PlanEditorCommands::change(std::size_t row) {
  if (row >= model_.blockCount()) return false;
  std::string message;
  std::optional<BlockDialogModel> dialog = BlockDialogModel::ForRow(model_.plan().m_Blocks()[row], message);
  if (!dialog) return done(EditResult::Refused(message));
  const std::optional<std::string> block = screens_.editBlock(*dialog);
  return block && done(model_.changeBlock(row, *block));
}

bool PlanEditorCommands::cut(std::size_t row) {
  if (row >= model_.blockCount()) return false;
  BlockGroup taken;
  if (!done(model_.cut(row, taken))) return false;
  taken_ = std::move(taken);
  return true;
}

void PlanEditorCommands::copy(std::size_t row) {
  if (row < model_.blockCount()) taken_ = model_.copy(row);
}

bool PlanEditorCommands::paste(std::size_t row, Side side) {
  if (!canPaste() || row >= model_.blockCount()) return false;
  return done(model_.paste(row, side, taken_));
}

bool PlanEditorCommands::remove(std::size_t row) {
  if (row >= model_.blockCount()) return false;
  return done(model_.remove(row, questions_));
}

bool PlanEditorCommands::applyPattern() {
  const std::optional<std::size_t> pattern = screens_.choosePattern();
  return pattern && done(ApplyBasicPattern(model_, *pattern));
}

std::optional<EditedPlan> PlanEditorCommands::ok(PlanSaver& saver, const PlanLock& lock) {
  SaveOutcome outcome = saver.save(model_, lock);
  if (!done(outcome.result)) return std::nullopt;
  return std::move(outcome.plan);
}

bool PlanEditorCommands::cancel() { return questions_.ask(editor_text::kCancelQuestion); }

}  // namespace qb
