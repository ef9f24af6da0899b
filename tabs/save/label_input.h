// The label of a saved item as the user types it: a label can never hold ":::", the separator
// of the item's record, so the input refuses it.
#pragma once
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace qb {

inline constexpr char kLabelSeparatorRefused[] = "ラベルに「:::」は使用できません　";

class LabelInput {
 public:
  LabelInput(Ui& ui, std::string label) : ui_(ui), label_(std::move(label)) {}

  const std::string& label() const { return label_; }
  // The typed text becomes the label; one that holds ":::" is refused after the message and
  // the label stays as it was (the field shows it again).
  bool type(std::string_view text);

 private:
  Ui& ui_;
  std::string label_;
};

// "Quillbox＜保存＞": the one field "ラベル ：" with OK and "ｷｬﾝｾﾙ".
class SaveDialogModel {
 public:
  SaveDialogModel(Ui& ui, std::string proposedLabel = {}) : label_(ui, std::move(proposedLabel)) {}
  LabelInput& label() { return label_; }
  const std::string& result() const { return label_.label(); }

 private:
  LabelInput label_;
};

}  // namespace qb
