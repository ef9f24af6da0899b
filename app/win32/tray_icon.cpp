#include "app/win32/tray_icon.h"

#include "app/win32/window_identity.h"

namespace qb {

void TrayIcon::attach(HWND window, HINSTANCE instance) {
  window_ = window;
  normalIcon_ = LoadIconW(instance, MAKEINTRESOURCEW(kNormalIcon));
  captureIcon_ = LoadIconW(instance, MAKEINTRESOURCEW(kCaptureIcon));
  icon_ = normalIcon_;
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

NOTIFYICONDATAW TrayIcon::data() const {
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window_;
  icon.uID = kTrayIconId;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallbackMessage;
  icon.hIcon = icon_;
  lstrcpynW(icon.szTip, kMainWindowTitle, ARRAYSIZE(icon.szTip));
  return icon;
}

bool TrayIcon::show() {
  NOTIFYICONDATAW icon = data();
  shown_ = Shell_NotifyIconW(NIM_ADD, &icon) != FALSE;
  return shown_;
}

void TrayIcon::showCaptureImage(bool capture) {
  icon_ = capture ? captureIcon_ : normalIcon_;
  if (!shown_) return;
  NOTIFYICONDATAW icon = data();
  icon.uFlags = NIF_ICON;
  Shell_NotifyIconW(NIM_MODIFY, &icon);
}

void TrayIcon::remove() {
  if (!shown_) return;
  NOTIFYICONDATAW icon = data();
  Shell_NotifyIconW(NIM_DELETE, &icon);
  shown_ = false;
}

}  // namespace qb
