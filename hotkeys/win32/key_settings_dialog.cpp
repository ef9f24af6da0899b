// "キー設定": the five multi hotkeys one per line; "マルチホットキーの設定..." opens their dialog
// and the lines show what it saved; "プランホットキー一覧の表示..." opens the plan hotkey list.
#include "app/win32/dialogs/dialog_buttons.h"
#include "hotkeys/win32/hotkey_dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace hotkey_dialog_ids;

constexpr short kWidth = 330;

class KeySettingsDialog : public winui::ModalDialog {
 public:
  KeySettingsDialog(Ui& ui, const std::wstring& font, const KeySettingsModel& model,
                    const std::function<void()>& openMulti, const std::function<void()>& openPlans)
      : ModalDialog(ui, font), model_(model), openMulti_(openMulti), openPlans_(openPlans) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(SjisToWide(kKeySettingsCaption), kDialogStyle, {0, 0, kWidth, 132},
                                 face, points);
    dialog.label(-1, L"呼び出しホットキー", {7, 7, 200, 9});
    dialog.add(winui::ControlClass::kListBox, kKeySettingsLines, L"",
               WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
               {7, 18, kWidth - 14, 62});
    dialog.button(kKeySettingsMulti, SjisToWide(kMultiHotkeyButtonCaption), {7, 86, 110, 14});
    if (openPlans_) {
      dialog.button(kKeySettingsPlanList, L"プランホットキー一覧の表示...", {122, 86, 130, 14});
    }
    dialog.button(IDCANCEL, L"閉じる", {kWidth - 57, 110, 50, 14}, true);
    return dialog;
  }

  void onInit() override { showLines(); }

  bool onCommand(int id, int, HWND) override {
    if (id == kKeySettingsMulti && openMulti_) {
      openMulti_();
      showLines();
      return true;
    }
    if (id == kKeySettingsPlanList && openPlans_) {
      openPlans_();
      return true;
    }
    return false;
  }

 private:
  void showLines() {
    const HWND list = item(kKeySettingsLines);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : model_.lines()) {
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(line).c_str()));
    }
  }

  const KeySettingsModel& model_;
  const std::function<void()>& openMulti_;
  const std::function<void()>& openPlans_;
};

}  // namespace

void RunKeySettingsDialog(HWND owner, Ui& ui, const std::wstring& font, const KeySettingsModel& model,
                          const std::function<void()>& openMultiHotkeys,
                          const std::function<void()>& openPlanList) {
  KeySettingsDialog dialog(ui, font, model, openMultiHotkeys, openPlanList);
  dialog.runModal(owner);
}

}  // namespace qb
