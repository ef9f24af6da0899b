// The notification-area icon of the main window through the shell (Shell_NotifyIconW); what it
// shows and when is TrayIconController's.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "app/shell/tray_shell.h"

namespace qb {

class Win32TrayShell : public TrayShell {
 public:
  static constexpr int kNormalIcon = tray_image::kNormal;

  void attach(HWND window, HINSTANCE instance);
  bool add(const TrayIconState& state) override;
  bool modify(const TrayIconState& state) override;
  bool remove() override;
  // The message the shell broadcasts when the taskbar is re-created.
  UINT taskbarCreatedMessage() const { return taskbarCreated_; }

 private:
  NOTIFYICONDATAW data(const TrayIconState& state) const;

  HWND window_ = nullptr;
  HINSTANCE instance_ = nullptr;
  UINT taskbarCreated_ = 0;
};

}  // namespace qb
