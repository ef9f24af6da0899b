// "Quillbox＜不具合AP対応設定＞": the names of up to ten applications (window titles) whose copy
// or cut is captured late. The names go into the sheet's working copy; OK of the sheet keeps them.
#include <cstdio>

#include "platform/win32/text_conversion.h"
#include "settings/win32/settings_sheet_view.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

constexpr int kApplications = 10;
constexpr int kFirstField = 200;
constexpr DWORD kStyle = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

std::string KeyOf(int index) {
  char key[32];
  std::snprintf(key, sizeof key, "DisabledAp%02d=", index);
  return key;
}

class DisabledApplicationsDialog : public winui::ModalDialog {
 public:
  DisabledApplicationsDialog(Ui& ui, const std::wstring& font, SettingsSheetModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 260;
    winui::DialogTemplate dialog(L"Quillbox＜不具合AP対応設定＞", kStyle,
                                 {0, 0, kWidth, 24 + kApplications * 14 + 24}, face, points);
    dialog.label(199, SjisToWide("遅れて取得するアプリケーション（ウィンドウのタイトルの一部）"),
                 {7, 7, kWidth - 14, 10});
    for (int i = 0; i < kApplications; ++i) {
      dialog.edit(kFirstField + i, {7, static_cast<short>(20 + i * 14), kWidth - 14, 12},
                  ES_AUTOHSCROLL);
    }
    const short buttons = static_cast<short>(24 + kApplications * 14);
    dialog.button(IDOK, L"OK", {kWidth - 110, buttons, 50, 14}, true);
    dialog.button(IDCANCEL, SjisToWide("ｷｬﾝｾﾙ"), {kWidth - 57, buttons, 50, 14});
    return dialog;
  }

  void onInit() override {
    for (int i = 0; i < kApplications; ++i) {
      SetDlgItemTextW(window(), kFirstField + i,
                      SjisToWide(model_.text(SettingsFileId::kEnvironment, KeyOf(i))).c_str());
    }
  }

  void onOk() override {
    for (int i = 0; i < kApplications; ++i) {
      wchar_t name[512] = {};
      GetDlgItemTextW(window(), kFirstField + i, name, 512);
      // A name is one settings value: a comma would end it in the file.
      std::string text = WideToSjis(name);
      std::erase(text, ',');
      model_.setText(SettingsFileId::kEnvironment, KeyOf(i), text);
    }
    end(IDOK);
  }

 private:
  SettingsSheetModel& model_;
};

}  // namespace

void RunDisabledApplicationsDialog(HWND owner, Ui& ui, const std::wstring& font,
                                   SettingsSheetModel& model) {
  DisabledApplicationsDialog dialog(ui, font, model);
  dialog.runModal(owner);
}

}  // namespace qb
