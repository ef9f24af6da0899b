// "日時マクロ定義": the stored definitions, "削除...", and the editing area of fixed text and parts
// (bold, blue, protected). The area mirrors the model: each change typed into it is handed to
// the model, and the area is shown again from the model whenever the model refuses or differs.
#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/dialogs/sysdate_part_menu.h"
#include "app/win32/dialogs/text_change.h"
#include "base/sjis.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"
#include "winui/dialogs/rich_edit.h"
#include "winui/dialogs/rich_text_map.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr short kWidth = 300;
constexpr long kAreaCharacters = 64 * 1024;
constexpr COLORREF kPartColor = 0xFF0000;  // blue
const winui::CharacterLook kFixedLook{};
const winui::CharacterLook kPartLook{kPartColor, false, true, true};

class SysdateEditorDialog : public winui::ModalDialog {
 public:
  SysdateEditorDialog(Ui& ui, const std::wstring& font, SysdateEditorModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(L"日時マクロ定義", kDialogStyle, {0, 0, kWidth, 172}, face, points);
    dialog.add(winui::ControlClass::kComboBox, kSysdateDefinitions, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
               {7, 7, 220, 120});
    dialog.button(kSysdateDelete, L"削除...", {232, 6, 61, 14});
    dialog.add(winui::RichEdit::ClassName(), kSysdateArea, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                   ES_AUTOVSCROLL,
               {7, 26, 286, 120});
    AddOkCancelButtons(dialog, kWidth, 152);
    return dialog;
  }

  void onInit() override {
    area_.attach(item(kSysdateArea));
    area_.setLimit(kAreaCharacters);
    area_.setEventMask(ENM_CHANGE | ENM_SELCHANGE | ENM_PROTECTED);
    model_.reload();
    showDefinitions();
    showArea(0);
    focusItem(kSysdateArea);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == kSysdateArea && code == EN_CHANGE) {
      takeTypedChange();
    } else if (id == kSysdateDefinitions && code == CBN_SELCHANGE) {
      model_.select(static_cast<int>(SendDlgItemMessageW(window(), kSysdateDefinitions, CB_GETCURSEL, 0, 0)));
      showDefinitions();
      showArea(0);
    } else if (id == kSysdateDelete) {
      model_.deleteSelected();
      showDefinitions();
      showArea(0);
    } else if (const PartMenuEntry* part = SysdatePartForCommand(id)) {
      insertPart(part->tag);
    } else if (id == kSysdateRemovePart) {
      removePart();
    } else {
      return editCommand(id);
    }
    return true;
  }

  bool onNotify(const NMHDR& header, LRESULT& result) override {
    if (header.idFrom != static_cast<UINT_PTR>(kSysdateArea)) return false;
    if (header.code == EN_PROTECTED) {
      result = showing_ ? 0 : 1;  // parts are removed whole, through the menu
      return true;
    }
    if (header.code == EN_SELCHANGE && !showing_) typeFixedText();
    return false;
  }

  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) override {
    if (message != WM_CONTEXTMENU || reinterpret_cast<HWND>(wParam) != area_.handle()) return false;
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {  // from the keyboard: at the area's corner
      at = {0, 0};
      ClientToScreen(area_.handle(), &at);
    }
    HMENU menu = CreateSysdatePartMenu();
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window(), nullptr);
    DestroyMenu(menu);
    return true;
  }

  void onOk() override {
    if (model_.ok() == 0) end(IDOK);
  }

 private:
  void showDefinitions() {
    HWND combo = item(kSysdateDefinitions);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : model_.comboEntries()) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(entry).c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(model_.selected()), 0);
    EnableWindow(item(kSysdateDelete), model_.selected() > 0);
  }

  // The model's text and parts, with the caret at byte `caret`.
  void showArea(std::size_t caret) {
    showing_ = true;
    area_.setText(SjisToWide(model_.text()));
    showing_ = false;
    showParts();
    const long at = winui::RichTextMap(model_.text()).toControl(caret);
    area_.select({at, at});
  }

  void showParts() {
    showing_ = true;
    const winui::RichTextMap map(model_.text());
    area_.setLook({0, map.controlLength()}, kFixedLook);
    const MacroElementTable& parts = model_.parts();
    for (int i = 0; i < parts.count; ++i) {
      area_.setLook({map.toControl(parts.start[i]), map.toControl(parts.end[i])}, kPartLook);
    }
    if (area_.selection().start == area_.selection().end) area_.setTypingLook(kFixedLook);
    showing_ = false;
  }

  // Text typed next to a part must not take on the part's look.
  void typeFixedText() {
    const winui::ControlRange range = area_.selection();
    if (range.start != range.end) return;
    showing_ = true;
    area_.setTypingLook(kFixedLook);
    showing_ = false;
  }

  std::size_t caretByte() const {
    return winui::RichTextMap(model_.text()).toByte(area_.selection().start);
  }

  void takeTypedChange() {
    if (showing_) return;
    const std::wstring shown = area_.text();
    const std::string before = model_.text();
    const std::wstring modelText = SjisToWide(before);
    if (shown == modelText) return;
    const TextChange change = FindTextChange(modelText, shown);
    const std::size_t start = SjisCharToByte(before, change.start);
    const std::size_t end = SjisCharToByte(before, change.oldEnd);
    const std::string typed = WideToSjis(shown.substr(change.start, change.newEnd - change.start));
    const bool accepted = model_.replaceText(static_cast<int>(start), static_cast<int>(end), typed);
    if (accepted && SjisToWide(model_.text()) == shown) {
      showParts();
    } else {
      showArea(accepted ? start + typed.size() : start);
    }
  }

  void insertPart(const std::string& tag) {
    const std::size_t caret = caretByte();
    const std::size_t sizeBefore = model_.text().size();
    model_.insertPart(tag, static_cast<int>(caret));
    showArea(caret + (model_.text().size() - sizeBefore));
  }

  void removePart() {
    const std::size_t caret = caretByte();
    const int partsBefore = model_.parts().count;
    model_.removePartAt(static_cast<int>(caret));
    if (model_.parts().count == partsBefore && caret > 0) {
      model_.removePartAt(static_cast<int>(caret - 1));  // the part just before the caret
    }
    if (model_.parts().count == partsBefore) {
      ui().showMessage("カーソルの位置に部品がありません", MessageIcon::kInformation);
      return;
    }
    showArea(std::min(caret, model_.text().size()));
  }

  bool editCommand(int id) {
    HWND area = area_.handle();
    switch (id) {
      case kSysdateUndo: SendMessageW(area, WM_UNDO, 0, 0); return true;
      case kSysdateCut: SendMessageW(area, WM_CUT, 0, 0); return true;
      case kSysdateCopy: SendMessageW(area, WM_COPY, 0, 0); return true;
      case kSysdatePaste: SendMessageW(area, EM_PASTESPECIAL, CF_UNICODETEXT, 0); return true;
      case kSysdateClear: SendMessageW(area, WM_CLEAR, 0, 0); return true;
      case kSysdateSelectAll: area_.select({0, -1}); return true;
      default: return false;
    }
  }

  SysdateEditorModel& model_;
  winui::RichEdit area_;
  bool showing_ = false;  // the view itself changes the area
};

}  // namespace

bool RunSysdateEditorDialog(HWND owner, Ui& ui, const std::wstring& font,
                            SysdateEditorModel& model) {
  SysdateEditorDialog dialog(ui, font, model);
  return dialog.runModal(owner) == IDOK;
}

}  // namespace qb
