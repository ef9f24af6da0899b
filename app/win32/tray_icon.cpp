#include "app/win32/tray_icon.h"

#include "app/win32/window_identity.h"
#include "platform/win32/text_conversion.h"

namespace qb {

void Win32TrayShell::attach(HWND window, HINSTANCE instance) {
  window_ = window;
  instance_ = instance;
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

NOTIFYICONDATAW Win32TrayShell::data(const TrayIconState& state) const {
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window_;
  icon.uID = kTrayIconId;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallbackMessage;
  // The small-icon size of the screen's scaling (16, 20, 24 or 32 pixels), taken from the icon's
  // images instead of the 32-pixel one scaled down; shared, so nothing to destroy.
  icon.hIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(state.image), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  lstrcpynW(icon.szTip, SjisToWide(state.tip).c_str(), ARRAYSIZE(icon.szTip));
  return icon;
}

bool Win32TrayShell::add(const TrayIconState& state) {
  NOTIFYICONDATAW icon = data(state);
  return Shell_NotifyIconW(NIM_ADD, &icon) != FALSE;
}

bool Win32TrayShell::modify(const TrayIconState& state) {
  NOTIFYICONDATAW icon = data(state);
  return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

bool Win32TrayShell::remove() {
  NOTIFYICONDATAW icon = data({});
  icon.uFlags = 0;
  return Shell_NotifyIconW(NIM_DELETE, &icon) != FALSE;
}

}  // namespace qb
