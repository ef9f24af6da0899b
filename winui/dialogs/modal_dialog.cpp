#include "winui/dialogs/modal_dialog.h"

#include <commctrl.h>

#include "winui/dialogs/dialog_font.h"

namespace qb::winui {
namespace {

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}

}  // namespace

ModalDialog::ModalDialog(Ui& ui, std::wstring fontFace)
    : ui_(ui), fontFace_(std::move(fontFace)) {}

INT_PTR ModalDialog::runModal(HWND owner) {
  Ui::BusyScope busy(ui_);
  InitCommonControlsOnce();
  const DialogTemplate dialog = describe(ResolveDialogFontFace(fontFace_), kDialogFontPoints);
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner,
                                                 Procedure, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  return result;
}

void ModalDialog::end(INT_PTR result) { EndDialog(window_, result); }

void ModalDialog::focusItem(int id) {
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(id)), TRUE);
  focusPlaced_ = true;
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<ModalDialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    dialog->window_ = window;
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return dialog != nullptr ? dialog->handle(message, wParam, lParam) : FALSE;
}

void ModalDialog::dispatchCommand(int id, int code, HWND control) {
  if (onCommand(id, code, control)) return;
  if (id == IDOK) onOk();
  if (id == IDCANCEL) onCancel();
}

INT_PTR ModalDialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      focusPlaced_ = false;
      onInit();
      return focusPlaced_ ? FALSE : TRUE;  // TRUE: the focus goes to the first tab stop
    case WM_COMMAND:
      dispatchCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_TIMER:
      onTimer(wParam);
      return TRUE;
    case WM_CLOSE:
      onClose();
      return TRUE;
    default: {
      INT_PTR result = FALSE;
      return onMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

}  // namespace qb::winui
