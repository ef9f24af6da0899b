// One settings dialog of a block ("操作ブロック [単純挿入]"): the values it opens with, read from
// the block's text or the defaults of a new block, its "説明", and what OK produces.
#pragma once
#include <optional>
#include <string>

#include "planlib/editor/block_forms.h"
#include "planlib/editor/condition_list.h"
#include "planlib/editor/edit_result.h"
#include "planlib/engine/plan_main.h"

namespace qb {

class BlockDialogModel {
 public:
  // A new block of this kind, every field at its default.
  explicit BlockDialogModel(const ElementForm& form);
  // The dialog of an existing block: its values read from its text. Empty, with the analysis
  // message in `message`, when an element is missing (the dialog then does not open).
  static std::optional<BlockDialogModel> ForRow(const PlanRow& row, std::string& message);

  const ElementForm& form() const { return *form_; }
  const BlockValues& values() const { return values_; }
  void setValue(std::string_view element, std::string value) { values_[std::string(element)] = std::move(value); }
  // The conditions of a condition block.
  ConditionList& conditions() { return conditions_; }
  const ConditionList& conditions() const { return conditions_; }

  // "説明": the block list's description of the values as they stand.
  std::string description() const;
  // OK: the form's checks in order, then a condition block's empty list. When accepted, the
  // block written alone, for PlanEditModel::addAtEnd / addBeside / changeBlock.
  EditResult accept(std::string& blockText) const;

 private:
  const ElementForm* form_;
  BlockValues values_;
  ConditionList conditions_;
};

}  // namespace qb
