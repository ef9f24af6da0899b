// The plan selection window (the capture plan, "プラン一覧..."): a note, the plan names in a
// list, OK for the selected one (a double click chooses too); and the chooser of a plan file.
#include <windows.h>

#include <commdlg.h>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace dialog_ids;

class PlanChoiceDialog : public winui::ModalDialog {
 public:
  PlanChoiceDialog(Ui& ui, const std::wstring& font, const std::string& caption,
                   const std::string& note, const std::vector<std::string>& names)
      : ModalDialog(ui, font), caption_(caption), note_(note), names_(names) {}

  int chosen() const { return chosen_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 260;
    winui::DialogTemplate dialog(SjisToWide(caption_), kDialogStyle, {0, 0, kWidth, 200}, face,
                                 points);
    dialog.label(kPlanChoiceNote, SjisToWide(note_), {7, 7, 246, 30});
    dialog.add(winui::ControlClass::kListBox, kPlanChoiceList, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                   LBS_NOINTEGRALHEIGHT,
               {7, 40, 246, 132});
    AddOkCancelButtons(dialog, kWidth, 179);
    return dialog;
  }

  void onInit() override {
    for (const std::string& name : names_) {
      SendMessageW(item(kPlanChoiceList), LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(SjisToWide(name).c_str()));
    }
    SendMessageW(item(kPlanChoiceList), LB_SETCURSEL, 0, 0);
    focusItem(kPlanChoiceList);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == kPlanChoiceList && code == LBN_DBLCLK) {
      onOk();
      return true;
    }
    return false;
  }

  void onOk() override {
    const LRESULT selected = SendMessageW(item(kPlanChoiceList), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
      ui().showMessage("プランを選択してください　", MessageIcon::kInformation);
      return;
    }
    chosen_ = static_cast<int>(selected);
    end(IDOK);
  }

 private:
  const std::string& caption_;
  const std::string& note_;
  const std::vector<std::string>& names_;
  int chosen_ = -1;
};

}  // namespace

std::optional<int> RunPlanChoiceDialog(HWND owner, Ui& ui, const std::wstring& font,
                                       const std::string& caption, const std::string& note,
                                       const std::vector<std::string>& names) {
  PlanChoiceDialog dialog(ui, font, caption, note, names);
  if (dialog.runModal(owner) != IDOK || dialog.chosen() < 0) return std::nullopt;
  return dialog.chosen();
}

std::optional<std::string> ChoosePlanFile(HWND owner, Ui& ui) {
  Ui::BusyScope busy(ui);
  std::wstring file(32768, L'\0');
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = L"プランファイル (*.txt;*.cln)\0*.txt;*.cln\0すべてのファイル (*.*)\0*.*\0";
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrTitle = L"プランファイルの取り込み";
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&request)) return std::nullopt;
  std::optional<std::string> path = WideToSjisExact(file.c_str());
  if (!path) ui.showMessage("ファイル名に扱えない文字が含まれています", MessageIcon::kExclamation);
  return path;
}

}  // namespace qb
