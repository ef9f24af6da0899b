#include "planlib/win32/editor/block_dialogs.h"

#include "planlib/editor/condition_list.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "planlib/win32/editor/form_dialog.h"
#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;

// A block's settings: OK writes the block text.
class BlockSubject : public FormSubject {
 public:
  explicit BlockSubject(BlockDialogModel& model) : model_(model) {}
  const ElementForm& form() const override { return model_.form(); }
  const BlockValues& values() const override { return model_.values(); }
  void setValue(std::string_view element, std::string value) override { model_.setValue(element, std::move(value)); }
  std::string description() const override { return model_.description(); }
  EditResult accept() override { return model_.accept(blockText_); }
  ConditionList* conditions() override { return model_.form().conditionList ? &model_.conditions() : nullptr; }
  const std::string& blockText() const { return blockText_; }

 private:
  BlockDialogModel& model_;
  std::string blockText_;
};

class ConditionKindDialog : public winui::ModalDialog {
 public:
  ConditionKindDialog(Ui& ui, const std::wstring& font) : ModalDialog(ui, font) {}
  int chosen() const { return chosen_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 200;
    winui::DialogTemplate dialog(L"条件種類選択", DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 {0, 0, kWidth, 134}, face, points);
    dialog.label(kConditionKindHeading, SjisToWide(kConditionKindPrompt), {7, 7, 186, 10});
    dialog.add(winui::ControlClass::kListBox, kConditionKindList, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               {7, 20, 186, 88});
    dialog.button(IDOK, L"OK", {88, 113, 50, 14}, true);
    dialog.button(IDCANCEL, L"ｷｬﾝｾﾙ", {143, 113, 50, 14});
    return dialog;
  }

  void onInit() override {
    HWND list = item(kConditionKindList);
    for (const ConditionKindChoice& choice : ConditionKindChoices()) {
      const std::wstring label = SjisToWide(choice.label);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id != kConditionKindList || code != LBN_DBLCLK) return false;
    onOk();
    return true;
  }

  void onOk() override {
    const LRESULT selected = SendMessageW(item(kConditionKindList), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    chosen_ = ConditionKindChoices()[static_cast<std::size_t>(selected)].number;
    end(IDOK);
  }

 private:
  int chosen_ = 0;
};

}  // namespace

std::optional<std::string> RunBlockDialog(HWND owner, Ui& ui, const std::wstring& fontFace,
                                          BlockDialogModel& model) {
  BlockSubject subject(model);
  FormDialog dialog(ui, fontFace, subject);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return subject.blockText();
}

std::optional<int> RunConditionKindDialog(HWND owner, Ui& ui, const std::wstring& fontFace) {
  ConditionKindDialog dialog(ui, fontFace);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return dialog.chosen();
}

}  // namespace qb
