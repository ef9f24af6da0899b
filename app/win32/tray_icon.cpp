#include "app/win32/tray_icon.h"

#include "app/win32/window_identity.h"

namespace qb {

void TrayIcon::attach(HWND window, HINSTANCE instance) {
  window_ = window;
  icon_ = LoadIconW(instance, MAKEINTRESOURCEW(kNormalIcon));
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

void TrayIcon::remove() {
  if (!shown_) return;
  NOTIFYICONDATAW icon = data();
  Shell_NotifyIconW(NIM_DELETE, &icon);
  shown_ = false;
}

}  // namespace qb
