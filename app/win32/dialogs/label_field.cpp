#include "app/win32/dialogs/label_field.h"

#include "winui/dialogs/control_text.h"

namespace qb {

namespace {
constexpr WPARAM kLabelCharacters = 1000;
}  // namespace

void LabelField::attach(HWND field, LabelInput& input) {
  field_ = field;
  input_ = &input;
  SendMessageW(field_, EM_LIMITTEXT, kLabelCharacters, 0);
  restoring_ = true;
  winui::SetWindowTextSjis(field_, input.label());
  restoring_ = false;
}

void LabelField::takeTyped() {
  if (restoring_ || !input_) return;
  if (input_->type(winui::WindowTextSjis(field_))) return;
  restoring_ = true;
  winui::SetWindowTextSjis(field_, input_->label());
  const int end = GetWindowTextLengthW(field_);
  SendMessageW(field_, EM_SETSEL, end, end);
  restoring_ = false;
}

}  // namespace qb
