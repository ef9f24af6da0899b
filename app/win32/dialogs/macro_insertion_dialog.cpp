// "埋め込みマクロ設定": the macro kind, its formats, a preview of the selected one and an
// explanation of the kind; "定義..." opens the date-macro definitions and lists them again after.
#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr short kWidth = 280;

class MacroInsertionDialog : public winui::ModalDialog {
 public:
  MacroInsertionDialog(Ui& ui, const std::wstring& font, MacroInsertionModel& model)
      : ModalDialog(ui, font), font_(font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(L"埋め込みマクロ設定", kDialogStyle, {0, 0, kWidth, 200}, face, points);
    dialog.label(kMacroKindLabel, L"種類：", {7, 9, 32, 10});
    dialog.add(winui::ControlClass::kComboBox, kMacroKind, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, {40, 7, 130, 80});
    dialog.button(kMacroDefine, L"定義...", {223, 6, 50, 14});
    dialog.label(kMacroFormatLabel, L"形式：", {7, 26, 60, 10});
    dialog.add(winui::ControlClass::kListBox, kMacroFormats, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               {7, 37, 266, 60}, WS_EX_CLIENTEDGE);
    dialog.label(kMacroPreviewLabel, L"表示：", {7, 104, 32, 10});
    dialog.edit(kMacroPreview, {40, 102, 233, 12}, ES_READONLY);
    dialog.label(kMacroExplanation, L"", {7, 119, 266, 56});
    AddOkCancelButtons(dialog, kWidth, 180);
    return dialog;
  }

  void onInit() override {
    for (const std::string& name : MacroInsertionModel::kindNames()) {
      SendDlgItemMessageW(window(), kMacroKind, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(SjisToWide(name).c_str()));
    }
    chooseKind(MacroKind::kDate);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == kMacroKind && code == CBN_SELCHANGE) {
      const auto index = SendDlgItemMessageW(window(), kMacroKind, CB_GETCURSEL, 0, 0);
      if (index >= 0) chooseKind(static_cast<MacroKind>(index));
      return true;
    }
    if (id == kMacroFormats && code == LBN_SELCHANGE) {
      model_.selectFormat(static_cast<int>(SendDlgItemMessageW(window(), kMacroFormats, LB_GETCURSEL, 0, 0)));
      showPreview();
      return true;
    }
    if (id == kMacroFormats && code == LBN_DBLCLK) {
      onOk();
      return true;
    }
    if (id == kMacroDefine) {
      editDefinitions();
      return true;
    }
    return false;
  }

  void onOk() override {
    if (model_.ok()) {
      end(IDOK);
    } else if (model_.selectedFormat() < 0) {
      // A format whose display form cannot be made has been reported already.
      ui().showMessage("形式を選択してください", MessageIcon::kInformation);
    }
  }

 private:
  void chooseKind(MacroKind kind) {
    model_.selectKind(kind);
    SendDlgItemMessageW(window(), kMacroKind, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
    SendDlgItemMessageW(window(), kMacroFormats, LB_RESETCONTENT, 0, 0);
    for (const MacroFormat& format : model_.formats()) {
      SendDlgItemMessageW(window(), kMacroFormats, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(SjisToWide(format.listText).c_str()));
    }
    SendDlgItemMessageW(window(), kMacroFormats, LB_SETCURSEL,
                        static_cast<WPARAM>(model_.selectedFormat()), 0);
    winui::SetWindowTextSjis(item(kMacroExplanation), model_.explanation());
    EnableWindow(item(kMacroDefine), kind == MacroKind::kDate);
    showPreview();
  }

  void showPreview() { winui::SetWindowTextSjis(item(kMacroPreview), model_.preview()); }

  void editDefinitions() {
    SysdateEditorModel editor(model_.analyzer(), model_.store());
    RunSysdateEditorDialog(window(), ui(), font_, editor);
    chooseKind(MacroKind::kDate);
  }

  std::wstring font_;
  MacroInsertionModel& model_;
};

}  // namespace

bool RunMacroInsertionDialog(HWND owner, Ui& ui, const std::wstring& font,
                             MacroInsertionModel& model) {
  MacroInsertionDialog dialog(ui, font, model);
  return dialog.runModal(owner) == IDOK;
}

}  // namespace qb
