#include "planlib/win32/editor/editor_choices.h"

#include <functional>

#include "planlib/editor/basic_patterns.h"
#include "planlib/editor/block_catalog.h"
#include "planlib/editor/plan_edit_model.h"
#include "planlib/editor/plan_editor_commands.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;

constexpr DWORD kStyle = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

void AddButtons(winui::DialogTemplate& dialog, short width, short y) {
  dialog.button(IDOK, L"OK", {static_cast<short>(width - 112), y, 50, 14}, true);
  dialog.button(IDCANCEL, L"ｷｬﾝｾﾙ", {static_cast<short>(width - 57), y, 50, 14});
}

void AddItem(HWND list, const std::string& text) {
  const std::wstring wide = SjisToWide(text);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int Selected(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

// A prompt, one list and OK: the index of the chosen entry.
class ListChoiceDialog : public winui::ModalDialog {
 public:
  ListChoiceDialog(Ui& ui, const std::wstring& font, std::wstring caption, std::string prompt,
                   std::vector<std::string> entries, int selected)
      : ModalDialog(ui, font), caption_(std::move(caption)), prompt_(std::move(prompt)),
        entries_(std::move(entries)), chosen_(selected) {}
  int chosen() const { return chosen_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 220;
    winui::DialogTemplate dialog(caption_, kStyle, {0, 0, kWidth, 150}, face, points);
    dialog.label(kChoiceHeading, SjisToWide(prompt_), {7, 7, 206, 18}, SS_NOPREFIX);
    dialog.add(winui::ControlClass::kListBox, kChoiceList, L"", kListStyle, {7, 28, 206, 96});
    AddButtons(dialog, kWidth, 129);
    return dialog;
  }
  void onInit() override {
    for (const std::string& entry : entries_) AddItem(item(kChoiceList), entry);
    SendMessageW(item(kChoiceList), LB_SETCURSEL, static_cast<WPARAM>(chosen_), 0);
  }
  bool onCommand(int id, int code, HWND) override {
    if (id != kChoiceList || code != LBN_DBLCLK) return false;
    onOk();
    return true;
  }
  void onOk() override {
    chosen_ = Selected(item(kChoiceList));
    if (chosen_ >= 0) end(IDOK);
  }

 private:
  std::wstring caption_;
  std::string prompt_;
  std::vector<std::string> entries_;
  int chosen_;
};

class BlockChoiceDialog : public winui::ModalDialog {
 public:
  BlockChoiceDialog(Ui& ui, const std::wstring& font) : ModalDialog(ui, font) {}
  const std::string& chosen() const { return chosen_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 340;
    winui::DialogTemplate dialog(L"操作ブロック選択", kStyle, {0, 0, kWidth, 200}, face, points);
    dialog.label(kChoiceHeading, SjisToWide(kBlockChoicePrompt), {7, 7, 326, 10}, SS_NOPREFIX);
    dialog.add(winui::ControlClass::kListBox, kBlockCategories, L"", kListStyle, {7, 21, 100, 130});
    dialog.add(winui::ControlClass::kListBox, kChoiceList, L"", kListStyle, {112, 21, 221, 130});
    dialog.label(kBlockSummary, L"", {7, 155, 326, 20}, SS_NOPREFIX);
    AddButtons(dialog, kWidth, 179);
    return dialog;
  }
  void onInit() override {
    for (std::string_view category : BlockCategories()) AddItem(item(kBlockCategories), std::string(category));
    SendMessageW(item(kBlockCategories), LB_SETCURSEL, 0, 0);
    showBlocks();
  }
  bool onCommand(int id, int code, HWND) override {
    if (id == kBlockCategories && code == LBN_SELCHANGE) {
      showBlocks();
    } else if (id == kChoiceList && code == LBN_SELCHANGE) {
      showSummary();
    } else if (id == kChoiceList && code == LBN_DBLCLK) {
      onOk();
    } else {
      return false;
    }
    return true;
  }
  void onOk() override {
    const int selected = Selected(item(kChoiceList));
    if (selected < 0 || selected >= static_cast<int>(shown_.size())) return;
    chosen_ = std::string(shown_[static_cast<std::size_t>(selected)]->tag);
    end(IDOK);
  }

 private:
  void showBlocks() {
    const int category = Selected(item(kBlockCategories));
    if (category < 0) return;
    shown_ = BlocksOfCategory(BlockCategories()[static_cast<std::size_t>(category)]);
    HWND list = item(kChoiceList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const CatalogEntry* entry : shown_) {
      const BlockKind* kind = FindBlockKind(entry->tag);
      AddItem(list, kind != nullptr ? std::string(kind->displayName) : std::string(entry->tag));
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    showSummary();
  }
  void showSummary() {
    const int selected = Selected(item(kChoiceList));
    const bool valid = selected >= 0 && selected < static_cast<int>(shown_.size());
    winui::SetWindowTextSjis(item(kBlockSummary), valid ? shown_[static_cast<std::size_t>(selected)]->summary : "");
  }

  std::vector<const CatalogEntry*> shown_;
  std::string chosen_;
};

class OptionsDialog : public winui::ModalDialog {
 public:
  OptionsDialog(Ui& ui, const std::wstring& font, PlanLock& lock) : ModalDialog(ui, font), lock_(lock) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 250;
    winui::DialogTemplate dialog(L"オプション設定", kStyle, {0, 0, kWidth, 50}, face, points);
    dialog.add(winui::ControlClass::kButton, kLockOption, L"このプランを他のユーザーが変更できないようにロックする",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {7, 9, 236, 10});
    AddButtons(dialog, kWidth, 29);
    return dialog;
  }
  void onInit() override {
    CheckDlgButton(window(), kLockOption, lock_.lockOption() ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(item(kLockOption), lock_.lockOptionAvailable() ? TRUE : FALSE);
  }
  void onOk() override {
    lock_.setLockOption(IsDlgButtonChecked(window(), kLockOption) == BST_CHECKED);
    end(IDOK);
  }

 private:
  PlanLock& lock_;
};

}  // namespace

std::optional<std::string> RunBlockChoiceDialog(HWND owner, Ui& ui, const std::wstring& font) {
  BlockChoiceDialog dialog(ui, font);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return dialog.chosen();
}

std::optional<int> RunDepthDialog(HWND owner, Ui& ui, const std::wstring& font, const std::vector<int>& depths,
                                  int rowDepth) {
  std::vector<std::string> labels;
  int selected = 0;
  for (std::size_t i = 0; i < depths.size(); ++i) {
    labels.push_back((depths[i] == rowDepth ? "★" : "　") + DepthLabel(depths[i]));
    if (depths[i] == rowDepth) selected = static_cast<int>(i);
  }
  ListChoiceDialog dialog(ui, font, L"階層指定", "★" + std::string(kDepthPrompt), std::move(labels), selected);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return depths[static_cast<std::size_t>(dialog.chosen())];
}

std::optional<std::size_t> RunPatternDialog(HWND owner, Ui& ui, const std::wstring& font) {
  std::vector<std::string> names;
  for (const BasicPattern& pattern : BasicPatterns()) names.emplace_back(pattern.name);
  ListChoiceDialog dialog(ui, font, L"基本パターン選択", std::string(kBasicPatternPrompt), std::move(names), 0);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return static_cast<std::size_t>(dialog.chosen());
}

bool RunEditorOptionsDialog(HWND owner, Ui& ui, const std::wstring& font, PlanLock& lock) {
  OptionsDialog dialog(ui, font, lock);
  return dialog.runModal(owner) == IDOK;
}

}  // namespace qb
