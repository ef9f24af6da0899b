#include "planlib/editor/block_dialog_model.h"

#include "planlib/editor/editor_messages.h"

namespace qb {

BlockDialogModel::BlockDialogModel(const ElementForm& form) : form_(&form), values_(DefaultValues(form)) {}

std::optional<BlockDialogModel> BlockDialogModel::ForRow(const PlanRow& row, std::string& message) {
  const ElementForm* form = FindBlockForm(RowTagName(row));
  if (form == nullptr) {
    message = std::string(editor_text::kUpdateTagFailed);
    return std::nullopt;
  }
  FormReading reading = ReadForm(*form, row.value);
  if (!reading.ok) {
    message = reading.message;
    return std::nullopt;
  }
  BlockDialogModel dialog(*form);
  dialog.values_ = std::move(reading.values);
  if (form->conditionList && !dialog.conditions_.read(row.value, message)) return std::nullopt;
  return dialog;
}

std::string BlockDialogModel::description() const {
  return DescribeForm(*form_, values_, form_->conditionList ? conditions_.text() : std::string());
}

EditResult BlockDialogModel::accept(std::string& blockText) const {
  EditResult checked = CheckForm(*form_, values_);
  if (!checked.ok) return checked;
  if (form_->conditionList) {
    checked = conditions_.checkNotEmpty();
    if (!checked.ok) return checked;
  }
  blockText = WriteForm(*form_, values_, form_->conditionList ? conditions_.text() : std::string());
  return EditResult::Done();
}

}  // namespace qb
