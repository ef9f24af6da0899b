// The partial selection: the value, read-only, in which the user selects the part to use, and
// a label that shows (and on a click flips) whether it is pasted or only copied. Enter
// confirms, Enter with Ctrl held flips the mode.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"
#include "winui/dialogs/rich_edit.h"
#include "winui/dialogs/rich_text_map.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr UINT_PTR kEnterSubclass = 1;

// Enter in the text is the dialog's (with or without Ctrl), not a new line. The dialog manager
// must not select the whole value when the text gets the focus: a selection is a chosen part.
LRESULT CALLBACK TextKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  if (message == WM_GETDLGCODE) {
    const LRESULT code = DefSubclassProc(control, message, wParam, lParam) & ~DLGC_HASSETSEL;
    return wParam == VK_RETURN ? code | DLGC_WANTALLKEYS : code;
  }
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    const int ctrlHeld = GetKeyState(VK_CONTROL) < 0 ? 1 : 0;
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(kPartialEnter, ctrlHeld),
                 reinterpret_cast<LPARAM>(control));
    return 0;
  }
  if (message == WM_CHAR && (wParam == L'\r' || wParam == L'\n')) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, TextKeys, kEnterSubclass);
  return DefSubclassProc(control, message, wParam, lParam);
}

class PartialSelectionDialog : public winui::ModalDialog {
 public:
  PartialSelectionDialog(Ui& ui, const std::wstring& font, PartialSelectionModel& model)
      : ModalDialog(ui, font), model_(model), map_(model.value()) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 320;
    winui::DialogTemplate dialog(L"部分選択", kDialogStyle | WS_THICKFRAME, {0, 0, kWidth, 200},
                                 face, points);
    dialog.label(kPartialMode, L"", {7, 7, 200, 10}, SS_NOTIFY);
    dialog.add(winui::RichEdit::ClassName(), kPartialText, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                   ES_AUTOVSCROLL | ES_READONLY | ES_NOHIDESEL,
               {7, 20, 306, 155});
    AddOkCancelButtons(dialog, kWidth, 180);
    return dialog;
  }

  void onInit() override {
    text_.attach(item(kPartialText));
    text_.setLimit(kPartialTextLimit);
    text_.setText(SjisToWide(model_.value()));
    SetWindowSubclass(text_.handle(), TextKeys, kEnterSubclass, 0);
    addModeTip();
    showMode();
    focusItem(kPartialText);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == kPartialMode && code == STN_CLICKED) {
      model_.flipMode();
      showMode();
      return true;
    }
    if (id == kPartialEnter) {
      if (model_.enter(code != 0, selectedPart())) {
        end(IDOK);
      } else {
        showMode();
      }
      return true;
    }
    return false;
  }

  void onOk() override {
    model_.confirm(selectedPart());
    end(IDOK);
  }

 private:
  // The selected bytes of the value itself, so that line breaks stay "\r\n".
  std::string selectedPart() const {
    const winui::ControlRange range = text_.selection();
    const std::size_t start = map_.toByte(range.start);
    return model_.value().substr(start, map_.toByte(range.end) - start);
  }

  void showMode() { SetDlgItemTextW(window(), kPartialMode, SjisToWide(model_.modeLabel()).c_str()); }

  void addModeTip() {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    tipText_ = SjisToWide(kPartialModeTip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window();
    tool.uId = reinterpret_cast<UINT_PTR>(item(kPartialMode));
    tool.lpszText = tipText_.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }

  PartialSelectionModel& model_;
  winui::RichTextMap map_;
  winui::RichEdit text_;
  std::wstring tipText_;
};

}  // namespace

bool RunPartialSelectionDialog(HWND owner, Ui& ui, const std::wstring& font,
                               PartialSelectionModel& model) {
  PartialSelectionDialog dialog(ui, font, model);
  return dialog.runModal(owner) == IDOK;
}

}  // namespace qb
