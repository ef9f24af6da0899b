// "履歴タブオプション設定": a prompt and two radio buttons; OK answers the checked one.
#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace dialog_ids;

class TwoChoiceDialog : public winui::ModalDialog {
 public:
  TwoChoiceDialog(Ui& ui, const std::wstring& font, const TwoChoicePrompt& prompt)
      : ModalDialog(ui, font), prompt_(prompt) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 250;
    winui::DialogTemplate dialog(SjisToWide(prompt_.title), kDialogStyle, {0, 0, kWidth, 92},
                                 face, points);
    dialog.label(kTwoChoicePrompt, SjisToWide(prompt_.prompt), {7, 7, 236, 26});
    dialog.radio(kTwoChoiceFirst, SjisToWide(prompt_.firstChoice), {14, 38, 222, 10}, true);
    dialog.radio(kTwoChoiceSecond, SjisToWide(prompt_.secondChoice), {14, 52, 222, 10}, false);
    AddOkCancelButtons(dialog, kWidth, 71);
    return dialog;
  }

  void onInit() override {
    CheckRadioButton(window(), kTwoChoiceFirst, kTwoChoiceSecond, kTwoChoiceFirst);
  }

  void onOk() override {
    end(IsDlgButtonChecked(window(), kTwoChoiceSecond) == BST_CHECKED ? 2 : 1);
  }
  void onCancel() override { end(0); }

 private:
  const TwoChoicePrompt& prompt_;
};

}  // namespace

int RunTwoChoiceDialog(HWND owner, Ui& ui, const std::wstring& font,
                       const TwoChoicePrompt& prompt) {
  TwoChoiceDialog dialog(ui, font, prompt);
  const INT_PTR answer = dialog.runModal(owner);
  return answer == 1 || answer == 2 ? static_cast<int>(answer) : 0;
}

}  // namespace qb
