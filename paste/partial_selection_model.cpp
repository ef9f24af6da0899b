#include "paste/partial_selection_model.h"

namespace qb {

PartialSelectionModel::PartialSelectionModel(std::string value, bool pasteMode)
    : value_(std::move(value)), pasteMode_(pasteMode), result_(value_) {}

bool PartialSelectionModel::enter(bool ctrlHeld, std::string_view selection) {
  if (ctrlHeld) {
    flipMode();
    return false;
  }
  confirm(selection);
  return true;
}

void PartialSelectionModel::confirm(std::string_view selection) {
  partChosen_ = !selection.empty();
  result_ = selection.empty() ? value_ : std::string(selection);
}

}  // namespace qb
