#include "tabs/save/label_input.h"

namespace qb {

bool LabelInput::type(std::string_view text) {
  if (text.find(":::") != std::string_view::npos) {
    ui_.showMessage(kLabelSeparatorRefused, MessageIcon::kInformation);
    return false;
  }
  label_ = std::string(text);
  return true;
}

}  // namespace qb
