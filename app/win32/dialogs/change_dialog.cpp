// "Quillbox＜変更＞": the label and the value of a saved item. The value area mirrors the model:
// each change typed into it is handed to the model, and the area is shown again from the model
// whenever the model refuses or differs. Macros are blue and protected; the area's popup menu
// inserts one through "埋め込みマクロ設定" or deletes the one at the caret. A value kept in an exact
// form beyond code page 932 (and holding no macros) is shown and edited in that form: the area's
// whole text goes back to the model after each change.
#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/dialogs/label_field.h"
#include "app/win32/dialogs/save_dialog_ids.h"
#include "app/win32/dialogs/save_dialogs.h"
#include "app/win32/dialogs/text_change.h"
#include "base/sjis.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"
#include "winui/dialogs/rich_edit.h"
#include "winui/dialogs/rich_text_map.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr short kWidth = 320;
constexpr long kValueCharacters = 1024 * 1024;
constexpr COLORREF kMacroColor = 0xFF0000;  // blue
const winui::CharacterLook kFixedLook{};
const winui::CharacterLook kMacroLook{kMacroColor, false, false, true};

class ChangeDialog : public winui::ModalDialog {
 public:
  ChangeDialog(Ui& ui, const std::wstring& font, ChangeDialogModel& model, MacroTools tools)
      : ModalDialog(ui, font), font_(font), model_(model), tools_(tools) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(L"Quillbox＜変更＞", kDialogStyle, {0, 0, kWidth, 212}, face,
                                 points);
    dialog.label(kChangeLabelCaption, L"ラベル：", {7, 9, 37, 10});
    dialog.add(winui::RichEdit::ClassName(), kChangeLabel, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {45, 7, 268, 13});
    dialog.label(kChangeValueCaption, L"値：", {7, 26, 30, 10});
    dialog.add(winui::RichEdit::ClassName(), kChangeValue, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                   ES_AUTOVSCROLL | ES_WANTRETURN,
               {7, 37, 306, 130});
    dialog.label(kChangeNote, SjisToWide(kChangeDialogNote), {7, 171, 306, 18});
    dialog.button(kChangeSeparator, L"セパレータ挿入▼", {7, 192, 80, kButtonHeight});
    AddOkCancelButtons(dialog, kWidth, 192);
    return dialog;
  }

  void onInit() override {
    winui::RichEdit(item(kChangeLabel)).setEventMask(ENM_CHANGE);
    label_.attach(item(kChangeLabel), model_.label());
    value_.attach(item(kChangeValue));
    value_.setLimit(kValueCharacters);
    value_.setEventMask(ENM_CHANGE | ENM_SELCHANGE | ENM_PROTECTED);
    showValue(0);
    focusItem(kChangeValue);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == kChangeValue && code == EN_CHANGE) {
      takeTypedChange();
    } else if (id == kChangeLabel && code == EN_CHANGE) {
      label_.takeTyped();
    } else if (id == kChangeSeparator) {
      showSeparatorMenu();
    } else if (id >= kChangeSeparatorFirst &&
               id < kChangeSeparatorFirst + static_cast<int>(ChangeDialogModel::separators().size()) &&
               model_.editsExactForm()) {
      insertExactSeparator(static_cast<std::size_t>(id - kChangeSeparatorFirst));
    } else if (id >= kChangeSeparatorFirst &&
               id < kChangeSeparatorFirst + static_cast<int>(ChangeDialogModel::separators().size())) {
      const std::size_t before = model_.text().size();
      const std::size_t caret = caretByte();
      model_.insertSeparator(static_cast<std::size_t>(id - kChangeSeparatorFirst), caret);
      showValue(caret + (model_.text().size() - before));
    } else if (id == kChangeInsertMacro) {
      insertMacro();
    } else if (id == kChangeDeleteMacro) {
      deleteMacro();
    } else {
      return editCommand(id);
    }
    return true;
  }

  bool onNotify(const NMHDR& header, LRESULT& result) override {
    if (header.idFrom != static_cast<UINT_PTR>(kChangeValue)) return false;
    if (header.code == EN_PROTECTED) {
      result = showing_ ? 0 : 1;  // macros are deleted whole, through the menu
      return true;
    }
    if (header.code == EN_SELCHANGE && !showing_) typeFixedText();
    return false;
  }

  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) override {
    if (message != WM_CONTEXTMENU || reinterpret_cast<HWND>(wParam) != value_.handle()) return false;
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
      at = {0, 0};
      ClientToScreen(value_.handle(), &at);
    }
    HMENU menu = CreatePopupMenu();
    // Macros stand in the code-page-932 form: a text edited in its exact form takes none.
    const UINT macroItems = model_.editsExactForm() ? MF_STRING | MF_GRAYED : MF_STRING;
    AppendMenuW(menu, macroItems, kChangeInsertMacro, L"埋め込みマクロの挿入...");
    AppendMenuW(menu, macroItems, kChangeDeleteMacro, L"埋め込みマクロの削除");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kChangeUndo, L"元に戻す");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kChangeCut, L"切り取り");
    AppendMenuW(menu, MF_STRING, kChangeCopy, L"コピー");
    AppendMenuW(menu, MF_STRING, kChangePaste, L"貼り付け");
    AppendMenuW(menu, MF_STRING, kChangeClear, L"削除");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kChangeSelectAll, L"すべて選択");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window(), nullptr);
    DestroyMenu(menu);
    return true;
  }

 private:
  void showSeparatorMenu() {
    HMENU menu = CreatePopupMenu();
    const auto& separators = ChangeDialogModel::separators();
    for (std::size_t i = 0; i < separators.size(); ++i) {
      AppendMenuW(menu, MF_STRING, kChangeSeparatorFirst + static_cast<UINT>(i),
                  SjisToWide(separators[i]).c_str());
    }
    RECT button{};
    GetWindowRect(item(kChangeSeparator), &button);
    TrackPopupMenu(menu, TPM_LEFTALIGN, button.left, button.bottom, 0, window(), nullptr);
    DestroyMenu(menu);
  }

  void showValue(std::size_t caret) {
    if (model_.editsExactForm()) return showExactValue();
    showing_ = true;
    value_.setText(SjisToWide(model_.text()));
    const winui::RichTextMap map(model_.text());
    value_.setLook({0, map.controlLength()}, kFixedLook);
    const MacroElementTable& macros = model_.macros();
    for (int i = 0; i < macros.count; ++i) {
      value_.setLook({map.toControl(static_cast<std::size_t>(macros.start[static_cast<std::size_t>(i)])),
                      map.toControl(static_cast<std::size_t>(macros.end[static_cast<std::size_t>(i)]))},
                     kMacroLook);
    }
    const long at = map.toControl(caret);
    value_.select({at, at});
    value_.setTypingLook(kFixedLook);
    showing_ = false;
  }

  void showExactValue() {
    showing_ = true;
    value_.setText(model_.exactForm().empty() ? SjisToWide(model_.text())
                                              : Utf8ToWide(model_.exactForm()));
    value_.setLook({0, value_.length()}, kFixedLook);
    value_.select({0, 0});
    value_.setTypingLook(kFixedLook);
    showing_ = false;
  }

  // The whole text as shown: its exact form only when code page 932 cannot hold it.
  void takeExactText() {
    const std::wstring shown = value_.text();
    model_.replaceExactText(ExactFormBeyondSjis(shown), WideToSjis(shown));
  }

  void insertExactSeparator(std::size_t index) {
    const std::wstring shown = value_.text();
    // Control positions count a line break as one.
    const long caret = value_.selection().start;
    std::size_t at = 0;
    for (long position = 0; position < caret && at < shown.size(); ++position) {
      at += shown.compare(at, 2, L"\r\n") == 0 ? 2 : 1;
    }
    const bool atLineStart = at == 0 || shown[at - 1] == L'\n';
    const std::wstring line = SjisToWide(ChangeDialogModel::separatorLine(index, atLineStart));
    SendMessageW(value_.handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
  }

  void typeFixedText() {
    const winui::ControlRange range = value_.selection();
    if (range.start != range.end) return;
    showing_ = true;
    value_.setTypingLook(kFixedLook);
    showing_ = false;
  }

  std::size_t caretByte() const {
    return winui::RichTextMap(model_.text()).toByte(value_.selection().start);
  }

  void takeTypedChange() {
    if (showing_) return;
    if (model_.editsExactForm()) return takeExactText();
    const std::wstring shown = value_.text();
    const std::string before = model_.text();
    const std::wstring modelText = SjisToWide(before);
    if (shown == modelText) return;
    const TextChange change = FindTextChange(modelText, shown);
    const std::size_t start = SjisCharToByte(before, change.start);
    const std::size_t end = SjisCharToByte(before, change.oldEnd);
    const std::string typed = WideToSjis(shown.substr(change.start, change.newEnd - change.start));
    const bool accepted = model_.replaceText(start, end, typed);
    if (!accepted || SjisToWide(model_.text()) != shown) {
      showValue(accepted ? start + typed.size() : start);
    }
  }

  void insertMacro() {
    MacroInsertionModel insertion(tools_.analyzer, tools_.store);
    if (!RunMacroInsertionDialog(window(), ui(), font_, insertion)) return;
    const std::optional<InsertedMacro> macro = insertion.ok();
    if (!macro) return;
    const std::size_t caret = caretByte();
    const std::size_t before = model_.text().size();
    if (model_.insertMacro(*macro, caret) != 0) return;
    const std::size_t inserted = model_.text().size() - before;
    std::size_t at = caret;
    for (int i = 0; i < model_.macros().count; ++i) {
      if (model_.macros().source[static_cast<std::size_t>(i)] == macro->macroText &&
          static_cast<std::size_t>(model_.macros().start[static_cast<std::size_t>(i)]) >= caret) {
        at = static_cast<std::size_t>(model_.macros().end[static_cast<std::size_t>(i)]);
        break;
      }
    }
    showValue(inserted > 0 ? at : caret);
  }

  void deleteMacro() {
    const std::size_t caret = caretByte();
    if (!model_.removeMacroAt(caret)) {
      ui().showMessage("カーソルの位置に埋め込みマクロがありません", MessageIcon::kInformation);
      return;
    }
    showValue(std::min(caret, model_.text().size()));
  }

  bool editCommand(int id) {
    HWND area = value_.handle();
    switch (id) {
      case kChangeUndo: SendMessageW(area, WM_UNDO, 0, 0); return true;
      case kChangeCut: SendMessageW(area, WM_CUT, 0, 0); return true;
      case kChangeCopy: SendMessageW(area, WM_COPY, 0, 0); return true;
      case kChangePaste: SendMessageW(area, EM_PASTESPECIAL, CF_UNICODETEXT, 0); return true;
      case kChangeClear: SendMessageW(area, WM_CLEAR, 0, 0); return true;
      case kChangeSelectAll: value_.select({0, -1}); return true;
      default: return false;
    }
  }

  std::wstring font_;
  ChangeDialogModel& model_;
  MacroTools tools_;
  LabelField label_;
  winui::RichEdit value_;
  bool showing_ = false;
};

}  // namespace

bool RunChangeDialog(HWND owner, Ui& ui, const std::wstring& font, ChangeDialogModel& model,
                     MacroTools tools) {
  ChangeDialog dialog(ui, font, model, tools);
  return dialog.runModal(owner) == IDOK;
}

}  // namespace qb
