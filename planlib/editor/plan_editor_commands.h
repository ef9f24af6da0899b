// The plan editor's commands as the window offers them: adding a block (its depth, its kind, its
// settings dialog), changing, cutting, copying, pasting and deleting a row, the basic patterns,
// and OK and Cancel. The screens they open are a port, so the window only shows them.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/block_dialog_model.h"
#include "planlib/editor/block_group.h"
#include "planlib/editor/edit_result.h"
#include "planlib/editor/plan_edit_model.h"
#include "planlib/editor/plan_lock.h"
#include "planlib/editor/plan_saver.h"

namespace qb {

inline constexpr std::string_view kDepthPrompt = "は選択行の階層を表します。";

class EditorScreens {
 public:
  virtual ~EditorScreens() = default;
  // "階層指定": one of `depths` for a block beside a row at `rowDepth`; nothing on cancel.
  virtual std::optional<int> chooseDepth(const std::vector<int>& depths, int rowDepth) = 0;
  // "操作ブロック選択": the chosen kind's tag.
  virtual std::optional<std::string> chooseBlockKind() = 0;
  // The block's settings dialog: the block text on OK.
  virtual std::optional<std::string> editBlock(BlockDialogModel& dialog) = 0;
  // "基本パターン選択": the pattern's index.
  virtual std::optional<std::size_t> choosePattern() = 0;
  // A refusal (exclamation icon).
  virtual void refuse(std::string_view message) = 0;
};

class PlanEditorCommands {
 public:
  PlanEditorCommands(PlanEditModel& model, EditorScreens& screens, EditorQuestions& questions)
      : model_(model), screens_(screens), questions_(questions) {}

  // Each returns true when the block list changed.
  bool addAtEnd();
  bool addBeside(std::size_t row, Side side);
  bool change(std::size_t row);
  bool cut(std::size_t row);
  void copy(std::size_t row);
  bool canPaste() const { return !taken_.empty(); }
  bool paste(std::size_t row, Side side);
  bool remove(std::size_t row);
  bool applyPattern();

  // OK: the plan to hand back, or nothing while the editor stays open.
  std::optional<EditedPlan> ok(PlanSaver& saver, const PlanLock& lock);
  // Cancel: true when the user confirms.
  bool cancel();

 private:
  // The kind and the settings of a new block; nothing when the user cancelled.
  std::optional<std::string> newBlock();
  bool done(const EditResult& result);

  PlanEditModel& model_;
  EditorScreens& screens_;
  EditorQuestions& questions_;
  BlockGroup taken_;
};

}  // namespace qb
