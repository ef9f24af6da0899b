// The name of a new publish group, and the label and value of a shared item.
#include <windows.h>

#include <shlobj.h>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/lan_dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace lan_dialog_ids;

class PublishGroupDialog : public winui::ModalDialog {
 public:
  PublishGroupDialog(Ui& ui, const std::wstring& font, PublishGroupNameModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 230;
    winui::DialogTemplate dialog(SjisToWide(PublishGroupNameModel::kCaption), kDialogStyle,
                                 {0, 0, kWidth, 64}, face, points);
    dialog.label(0, SjisToWide(PublishGroupNameModel::kPrompt), {7, 9, 60, 10});
    dialog.edit(kGroupName, {70, 7, 153, 12}, ES_AUTOHSCROLL);
    AddOkCancelButtons(dialog, kWidth, 43);
    return dialog;
  }
  void onInit() override { focusItem(kGroupName); }
  void onOk() override {
    if (model_.accept(winui::WindowTextSjis(item(kGroupName)))) end(IDOK);
  }

 private:
  PublishGroupNameModel& model_;
};

class SharedItemDialog : public winui::ModalDialog {
 public:
  SharedItemDialog(Ui& ui, const std::wstring& font, const std::string& caption, LabelledValue now)
      : ModalDialog(ui, font), caption_(caption), value_(std::move(now)) {}
  const LabelledValue& value() const { return value_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 320;
    winui::DialogTemplate dialog(SjisToWide(caption_), kDialogStyle, {0, 0, kWidth, 220}, face, points);
    dialog.label(0, L"ラベル：", {7, 9, 40, 10});
    dialog.edit(kItemLabel, {50, 7, 263, 12}, ES_AUTOHSCROLL);
    dialog.label(0, L"値：", {7, 26, 40, 10});
    dialog.add(winui::ControlClass::kEdit, kItemValue, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                   ES_WANTRETURN,
               {7, 38, 306, 155}, WS_EX_CLIENTEDGE);
    AddOkCancelButtons(dialog, kWidth, 199);
    return dialog;
  }
  void onInit() override {
    winui::SetWindowTextSjis(item(kItemLabel), value_.label);
    SendDlgItemMessageW(window(), kItemValue, EM_SETLIMITTEXT, 0, 0);
    winui::SetWindowTextSjis(item(kItemValue), value_.value);
    focusItem(kItemValue);
  }
  void onOk() override {
    std::string label = winui::WindowTextSjis(item(kItemLabel));
    if (label.find(":::") != std::string::npos) {
      ui().showMessage("':::' は入力できません", MessageIcon::kExclamation);
      return;
    }
    value_ = LabelledValue{label, winui::WindowTextSjis(item(kItemValue))};
    end(IDOK);
  }

 private:
  std::string caption_;
  LabelledValue value_;
};

}  // namespace

bool RunPublishGroupDialog(HWND owner, Ui& ui, const std::wstring& font, PublishGroupNameModel& model) {
  PublishGroupDialog dialog(ui, font, model);
  return dialog.runModal(owner) == IDOK;
}

std::optional<LabelledValue> RunSharedItemDialog(HWND owner, Ui& ui, const std::wstring& font,
                                                 const std::string& caption, const LabelledValue& now) {
  SharedItemDialog dialog(ui, font, caption, now);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return dialog.value();
}

std::optional<std::string> ChooseSharedFolder(HWND owner, Ui& ui, const std::string& prompt) {
  Ui::BusyScope busy(ui);
  std::wstring title = SjisToWide(prompt);
  wchar_t display[MAX_PATH] = L"";
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.pszDisplayName = display;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return std::nullopt;
  wchar_t path[MAX_PATH] = L"";
  bool ok = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!ok) return std::nullopt;
  std::optional<std::string> sjis = WideToSjisExact(path);
  if (!sjis) ui.showMessage("このフォルダの名前には使用できない文字が含まれています　", MessageIcon::kExclamation);
  return sjis;
}

}  // namespace qb
