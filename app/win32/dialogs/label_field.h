// A label field over a LabelInput: what is typed becomes the label, and a text the label input
// refuses (one holding ":::") is taken back at once.
#pragma once
#include <windows.h>

#include "tabs/save/label_input.h"

namespace qb {

class LabelField {
 public:
  void attach(HWND field, LabelInput& input);
  // EN_CHANGE of the field.
  void takeTyped();

 private:
  HWND field_ = nullptr;
  LabelInput* input_ = nullptr;
  bool restoring_ = false;
};

}  // namespace qb
