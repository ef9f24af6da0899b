// The partial-selection dialog (Shift held when choosing a value): the user selects the part of
// the value to use; a label shows and flips whether it is pasted or only copied.
#pragma once
#include <string>
#include <string_view>

namespace qb {

inline constexpr char kPartialPasteLabel[] = "作業中文書に貼り付け";
inline constexpr char kPartialCopyLabel[] = "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ";
inline constexpr char kPartialModeTip[] = "ﾏｳｽ左ｸﾘｯｸで切り換え。Ctrlｷｰでも切り換えできます";
inline constexpr int kPartialTextLimit = 512001;
inline constexpr int kPartialFontPoints = 9;

class PartialSelectionModel {
 public:
  PartialSelectionModel(std::string value, bool pasteMode);

  const std::string& value() const { return value_; }
  bool pasteMode() const { return pasteMode_; }
  const char* modeLabel() const { return pasteMode_ ? kPartialPasteLabel : kPartialCopyLabel; }

  // A click on the label, or Ctrl pressed.
  void flipMode() { pasteMode_ = !pasteMode_; }
  // Enter: with Ctrl held it flips the mode and stays open (false); otherwise it confirms with
  // the selected text (none selected keeps the whole value) and returns true.
  bool enter(bool ctrlHeld, std::string_view selection);
  // OK: as Enter without Ctrl.
  void confirm(std::string_view selection);

  // The value to paste after OK.
  const std::string& result() const { return result_; }
  bool partChosen() const { return partChosen_; }

 private:
  std::string value_;
  bool pasteMode_;
  std::string result_;
  bool partChosen_ = false;
};

}  // namespace qb
