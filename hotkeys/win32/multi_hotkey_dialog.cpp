// The multi hotkey dialog: five rows of enable box, combination, key, tab, group, link and
// double-tap timing; the key or the timing is enabled by the combination, the group choice by
// the tab. OK takes the rows into the model, whose checks keep the dialog open on a refusal.
#include "app/win32/dialogs/dialog_buttons.h"
#include "hotkeys/hotkey_keys.h"
#include "hotkeys/win32/dialog_controls.h"
#include "hotkeys/win32/hotkey_dialogs.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace hotkey_dialog_ids;
using hotkey_view::FillCombo;
using hotkey_view::Selection;

constexpr short kWidth = 470;
constexpr short kRowTop = 22;
constexpr short kRowHeight = 18;

std::vector<std::string> Texts(std::span<const char* const> items) {
  return std::vector<std::string>(items.begin(), items.end());
}

class MultiHotkeyDialog : public winui::ModalDialog {
 public:
  MultiHotkeyDialog(Ui& ui, const std::wstring& font, MultiHotkeyDialogModel& model,
                    const GroupNames& names)
      : ModalDialog(ui, font), model_(model), names_(names) {}

  bool saved() const { return saved_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    const short bottom = kRowTop + kMultiHotkeyCount * kRowHeight;
    winui::DialogTemplate dialog(L"マルチホットキーの設定", kDialogStyle, {0, 0, kWidth, bottom + 74},
                                 face, points);
    const short headerY = 8;
    dialog.label(-1, L"有効", {7, headerY, 24, 9});
    dialog.label(-1, L"組み合わせ", {34, headerY, 80, 9});
    dialog.label(-1, L"キー", {120, headerY, 30, 9});
    dialog.label(-1, L"表示タブ", {156, headerY, 70, 9});
    dialog.label(-1, L"グループ", {230, headerY, 80, 9});
    dialog.label(-1, L"ウィンドウ連結", {314, headerY, 96, 9});
    dialog.label(-1, SjisToWide(kTimingCaption), {412, headerY, 52, 9});
    for (int row = 0; row < kMultiHotkeyCount; ++row) {
      const short y = static_cast<short>(kRowTop + row * kRowHeight);
      dialog.add(winui::ControlClass::kButton, RowControl(row, kRowEnabled), std::to_wstring(row + 1),
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {7, y, 24, 12});
      combo(dialog, RowControl(row, kRowCombination), {34, y, 82, 120});
      combo(dialog, RowControl(row, kRowKey), {120, y, 32, 120});
      combo(dialog, RowControl(row, kRowTab), {156, y, 70, 120});
      combo(dialog, RowControl(row, kRowGroup), {230, y, 80, 120});
      combo(dialog, RowControl(row, kRowLink), {314, y, 94, 60});
      dialog.edit(RowControl(row, kRowTiming), {412, y, 40, 12}, ES_NUMBER);
    }
    dialog.label(-1, SjisToWide(kTimingExplanation), {7, bottom + 4, kWidth - 14, 20});
    dialog.label(-1, SjisToWide(kHotkeyHint), {7, bottom + 28, kWidth - 14, 10});
    AddOkCancelButtons(dialog, kWidth, bottom + 52);
    return dialog;
  }

  void onInit() override {
    std::vector<std::string> combinations;
    for (const HotkeyCombination& c : MultiHotkeyCombinations()) combinations.emplace_back(c.caption);
    std::vector<std::string> keys;
    for (int key : OfferedKeys()) keys.push_back(KeyText(key));
    for (int row = 0; row < kMultiHotkeyCount; ++row) {
      const MultiHotkey& hotkey = model_.row(row);
      CheckDlgButton(window(), RowControl(row, kRowEnabled), hotkey.enabled() ? BST_CHECKED : BST_UNCHECKED);
      FillCombo(item(RowControl(row, kRowCombination)), combinations, model_.combination(row));
      FillCombo(item(RowControl(row, kRowKey)), keys, KeyIndex(hotkey.key));
      FillCombo(item(RowControl(row, kRowTab)), Texts(MultiHotkeyTabNames()), hotkey.tabKind);
      FillCombo(item(RowControl(row, kRowLink)), {LinkChoiceCaption(false), LinkChoiceCaption(true)},
                hotkey.link == 1 ? 1 : 0);
      SetDlgItemInt(window(), RowControl(row, kRowTiming), static_cast<UINT>(hotkey.timing), FALSE);
      fillGroups(row);
      updateRow(row);
    }
  }

  bool onCommand(int id, int code, HWND) override {
    if (id < kRowFirst || id >= kRowFirst + 10 * kMultiHotkeyCount) return false;
    const int row = (id - kRowFirst) / 10;
    const int field = (id - kRowFirst) % 10;
    if (code == CBN_SELCHANGE && field == kRowCombination) {
      model_.setCombination(row, Selection(item(id)));
      updateRow(row);
    } else if (code == CBN_SELCHANGE && field == kRowTab) {
      readRow(row);
      fillGroups(row);
    }
    return true;
  }

  void onOk() override {
    for (int row = 0; row < kMultiHotkeyCount; ++row) readRow(row);
    const MultiHotkeyDialogModel::Result result = model_.ok();
    if (result == MultiHotkeyDialogModel::Result::kStayOpen) return;
    saved_ = result == MultiHotkeyDialogModel::Result::kSaved;
    end(IDOK);
  }

 private:
  static void combo(winui::DialogTemplate& dialog, int id, winui::DialogRect rect) {
    dialog.add(winui::ControlClass::kComboBox, id, L"", WS_CHILD | WS_VISIBLE | hotkey_view::kComboStyle,
               rect);
  }

  static int KeyIndex(int key) {
    const auto keys = OfferedKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == key) return static_cast<int>(i);
    }
    return -1;
  }

  // The group choices of the row's tab: the Save, Plan and Stack groups after "keep the current
  // one", or the related-file tabs.
  void fillGroups(int row) {
    const MultiHotkey& hotkey = model_.row(row);
    const HWND groups = item(RowControl(row, kRowGroup));
    std::vector<std::string> items;
    int selected = -1;
    const std::array<std::string, 10>* named = nullptr;
    if (hotkey.tabKind == 2) named = &names_.save;
    if (hotkey.tabKind == 6) named = &names_.plan;
    if (hotkey.tabKind == 7) named = &names_.stack;
    if (named) {
      items.emplace_back("<現在のグループ>");
      items.insert(items.end(), named->begin(), named->end());
      selected = hotkey.group;
    } else if (hotkey.tabKind == 3) {
      items.assign(names_.related.begin(), names_.related.end());
      selected = hotkey.tabKindNo;
    }
    FillCombo(groups, items, selected);
    EnableWindow(groups, !items.empty());
  }

  void updateRow(int row) {
    EnableWindow(item(RowControl(row, kRowKey)), model_.usesKey(row));
    EnableWindow(item(RowControl(row, kRowTiming)), model_.usesTiming(row));
  }

  void readRow(int row) {
    MultiHotkey& hotkey = model_.row(row);
    hotkey.on = IsDlgButtonChecked(window(), RowControl(row, kRowEnabled)) == BST_CHECKED ? 1 : 0;
    model_.setCombination(row, Selection(item(RowControl(row, kRowCombination))));
    const int key = Selection(item(RowControl(row, kRowKey)));
    const auto keys = OfferedKeys();
    if (model_.usesKey(row)) {
      hotkey.key = key >= 0 && key < static_cast<int>(keys.size()) ? keys[static_cast<std::size_t>(key)] : 0;
    }
    const int tab = Selection(item(RowControl(row, kRowTab)));
    hotkey.tabKind = tab < 0 ? 0 : tab;
    const int group = Selection(item(RowControl(row, kRowGroup)));
    if (hotkey.tabKind == 3) {
      hotkey.tabKindNo = group < 0 ? 0 : group;
    } else if (hotkey.tabKind == 2 || hotkey.tabKind == 6 || hotkey.tabKind == 7) {
      hotkey.group = group < 0 ? 0 : group;
    }
    hotkey.link = Selection(item(RowControl(row, kRowLink))) == 1 ? 1 : 0;
    if (model_.usesTiming(row)) {
      BOOL read = FALSE;
      const UINT timing = GetDlgItemInt(window(), RowControl(row, kRowTiming), &read, FALSE);
      hotkey.timing = read ? static_cast<int>(timing) : 0;
    }
  }

  MultiHotkeyDialogModel& model_;
  const GroupNames& names_;
  bool saved_ = false;
};

}  // namespace

bool RunMultiHotkeyDialog(HWND owner, Ui& ui, const std::wstring& font,
                          MultiHotkeyDialogModel& model, const GroupNames& names) {
  MultiHotkeyDialog dialog(ui, font, model, names);
  return dialog.runModal(owner) == IDOK && dialog.saved();
}

}  // namespace qb
