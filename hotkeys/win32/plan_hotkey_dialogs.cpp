// "プランホットキー一覧の表示": the plan hotkeys in a list with "変更..." and "削除"; and the
// dialog of one plan's keys that "変更..." (and the plan tab) opens.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/dialogs/dialog_buttons.h"
#include "hotkeys/hotkey_keys.h"
#include "hotkeys/win32/dialog_controls.h"
#include "hotkeys/win32/hotkey_dialogs.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace hotkey_dialog_ids;
using hotkey_view::FillCombo;
using hotkey_view::Selection;

class PlanHotkeyEditDialog : public winui::ModalDialog {
 public:
  PlanHotkeyEditDialog(Ui& ui, const std::wstring& font, PlanHotkeyEditModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 230;
    winui::DialogTemplate dialog(L"プランホットキーの設定", kDialogStyle, {0, 0, kWidth, 84}, face,
                                 points);
    dialog.label(-1, L"プラン：", {7, 9, 36, 9});
    dialog.label(kPlanEditName, SjisToWide(model_.planName()), {44, 9, kWidth - 51, 9});
    dialog.label(-1, L"ホットキー：", {7, 29, 44, 9});
    dialog.add(winui::ControlClass::kComboBox, kPlanEditModifiers, L"",
               WS_CHILD | WS_VISIBLE | hotkey_view::kComboStyle, {52, 27, 100, 100});
    dialog.label(-1, L"+", {156, 29, 8, 9});
    dialog.add(winui::ControlClass::kComboBox, kPlanEditKey, L"",
               WS_CHILD | WS_VISIBLE | hotkey_view::kComboStyle, {166, 27, 40, 120});
    AddOkCancelButtons(dialog, kWidth, 62);
    return dialog;
  }

  void onInit() override {
    std::vector<std::string> modifiers;
    for (const PlanModifierChoice& choice : PlanModifierChoices()) modifiers.emplace_back(choice.caption);
    std::vector<std::string> keys;
    for (int key : OfferedKeys()) keys.push_back(KeyText(key));
    FillCombo(item(kPlanEditModifiers), modifiers, model_.modifierChoice());
    FillCombo(item(kPlanEditKey), keys, model_.keyChoice());
  }

  void onOk() override {
    model_.setModifierChoice(Selection(item(kPlanEditModifiers)));
    model_.setKeyChoice(Selection(item(kPlanEditKey)));
    if (model_.ok()) end(IDOK);
  }

 private:
  PlanHotkeyEditModel& model_;
};

class PlanHotkeyListDialog : public winui::ModalDialog {
 public:
  PlanHotkeyListDialog(Ui& ui, const std::wstring& font, PlanHotkeyListModel& model)
      : ModalDialog(ui, font), model_(model), font_(font) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 360;
    winui::DialogTemplate dialog(L"プランホットキー一覧の表示", kDialogStyle, {0, 0, kWidth, 190},
                                 face, points);
    dialog.add(WC_LISTVIEWW, kPlanListView, L"",
               WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                   LVS_SHOWSELALWAYS,
               {7, 7, kWidth - 14, 150});
    dialog.button(kPlanListChange, L"変更...", {7, 166, 50, 14});
    dialog.button(kPlanListDelete, L"削除", {62, 166, 50, 14});
    dialog.button(IDCANCEL, L"閉じる", {kWidth - 57, 166, 50, 14}, true);
    return dialog;
  }

  void onInit() override {
    const HWND list = item(kPlanListView);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    constexpr int kWidths[] = {110, 150, 130, 100, 70};
    const auto& names = PlanHotkeyListModel::columnNames();
    for (int column = 0; column < static_cast<int>(names.size()); ++column) {
      std::wstring caption = SjisToWide(names[static_cast<std::size_t>(column)]);
      LVCOLUMNW header{};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.pszText = caption.data();
      header.cx = kWidths[column];
      ListView_InsertColumn(list, column, &header);
    }
    showRows();
  }

  bool onCommand(int id, int, HWND) override {
    if (id == kPlanListChange) {
      readSelection();
      if (std::optional<PlanHotkeyEditModel> edit = model_.beginChange()) {
        if (RunPlanHotkeyEditDialog(window(), ui(), font_, *edit)) {
          model_.changeDone();
          showRows();
        }
      }
      return true;
    }
    if (id == kPlanListDelete) {
      readSelection();
      if (model_.removeSelected()) showRows();
      return true;
    }
    return false;
  }

 private:
  void readSelection() {
    model_.select(ListView_GetNextItem(item(kPlanListView), -1, LVNI_SELECTED));
  }

  void showRows() {
    const HWND list = item(kPlanListView);
    ListView_DeleteAllItems(list);
    const auto& rows = model_.rows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      const auto& columns = rows[static_cast<std::size_t>(row)].columns;
      for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        std::wstring text = SjisToWide(columns[static_cast<std::size_t>(column)]);
        LVITEMW cell{};
        cell.mask = LVIF_TEXT;
        cell.iItem = row;
        cell.iSubItem = column;
        cell.pszText = text.data();
        if (column == 0) {
          ListView_InsertItem(list, &cell);
        } else {
          ListView_SetItem(list, &cell);
        }
      }
    }
  }

  PlanHotkeyListModel& model_;
  std::wstring font_;
};

}  // namespace

bool RunPlanHotkeyEditDialog(HWND owner, Ui& ui, const std::wstring& font,
                             PlanHotkeyEditModel& model) {
  PlanHotkeyEditDialog dialog(ui, font, model);
  return dialog.runModal(owner) == IDOK;
}

bool RunPlanHotkeyListDialog(HWND owner, Ui& ui, const std::wstring& font,
                             PlanHotkeyListModel& model) {
  PlanHotkeyListDialog dialog(ui, font, model);
  dialog.runModal(owner);
  return model.changed();
}

}  // namespace qb
