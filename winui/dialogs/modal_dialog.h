// The base of the program's modal dialogs. A subclass describes its controls in a template,
// and reacts to the dialog's events through the virtual handlers. The program counts as busy
// for the whole life of the dialog.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/ui.h"
#include "winui/dialogs/dialog_template.h"

namespace qb::winui {

class ModalDialog {
 public:
  // `fontFace` empty: the default dialog face.
  ModalDialog(Ui& ui, std::wstring fontFace);
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Shows the dialog until end() is called: its result, or -1 when it could not be shown.
  INT_PTR runModal(HWND owner);

  HWND window() const { return window_; }

 protected:
  // The caption, the frame and the controls, in the resolved font.
  virtual DialogTemplate describe(const std::wstring& fontFace, WORD fontPoints) = 0;

  virtual void onInit() {}
  // WM_COMMAND. IDOK and IDCANCEL reach onOk() / onCancel() unless this returns true.
  virtual bool onCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  // WM_NOTIFY: true when handled, with the result in `result`.
  virtual bool onNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void onTimer(UINT_PTR /*timer*/) {}
  virtual void onOk() { end(IDOK); }
  virtual void onCancel() { end(IDCANCEL); }
  // The window's close box and Alt+F4.
  virtual void onClose() { onCancel(); }
  // Any other message: true when handled, with the dialog procedure's result in `result`.
  virtual bool onMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }

  void end(INT_PTR result);
  // Puts the keyboard focus on a control (in onInit(): instead of the first tab stop).
  void focusItem(int id);
  HWND item(int id) const { return GetDlgItem(window_, id); }
  Ui& ui() { return ui_; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
  void dispatchCommand(int id, int code, HWND control);

  Ui& ui_;
  std::wstring fontFace_;
  HWND window_ = nullptr;
  bool focusPlaced_ = false;
};

}  // namespace qb::winui
