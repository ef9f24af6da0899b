// "Quillbox＜保存＞": the label a value is saved under; the field refuses ":::". Also the Save
// tab's dialogs on the main window.
#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/dialogs/label_field.h"
#include "app/win32/dialogs/save_dialog_ids.h"
#include "app/win32/dialogs/save_dialogs.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr short kWidth = 240;

class SaveDialog : public winui::ModalDialog {
 public:
  SaveDialog(Ui& ui, const std::wstring& font, SaveDialogModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(L"Quillbox＜保存＞", kDialogStyle, {0, 0, kWidth, 50}, face, points);
    dialog.label(kSaveLabelCaption, L"ラベル ：", {7, 10, 34, 10});
    dialog.edit(kSaveLabel, {44, 8, 189, 12}, ES_AUTOHSCROLL);
    AddOkCancelButtons(dialog, kWidth, 29);
    return dialog;
  }

  void onInit() override {
    field_.attach(item(kSaveLabel), model_.label());
    focusItem(kSaveLabel);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id != kSaveLabel || code != EN_CHANGE) return false;
    field_.takeTyped();
    return true;
  }

 private:
  SaveDialogModel& model_;
  LabelField field_;
};

}  // namespace

bool RunSaveDialog(HWND owner, Ui& ui, const std::wstring& font, SaveDialogModel& model) {
  SaveDialog dialog(ui, font, model);
  return dialog.runModal(owner) == IDOK;
}

bool Win32SaveTabDialogs::runChange(ChangeDialogModel& model) {
  return RunChangeDialog(owner_, ui_, font_, model, tools_);
}

bool Win32SaveTabDialogs::runSave(SaveDialogModel& model) {
  return RunSaveDialog(owner_, ui_, font_, model);
}

std::optional<ImportChoice> Win32SaveTabDialogs::runImport(std::string_view path) {
  return RunImportDialog(owner_, ui_, font_, std::string(path));
}

void Win32SaveTabDialogs::showContent(const std::string& value, const std::string& exact) {
  RunContentViewDialog(owner_, ui_, font_, "内容確認", value, exact);
}

}  // namespace qb
