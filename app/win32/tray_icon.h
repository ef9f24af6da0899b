// The notification-area icon of the main window.
#pragma once
#include <windows.h>
#include <shellapi.h>

namespace qb {

class TrayIcon {
 public:
  // Icon resource numbers: the normal image and the capture-flash image.
  static constexpr int kNormalIcon = 229;
  static constexpr int kCaptureIcon = 230;

  void attach(HWND window, HINSTANCE instance);
  // Adds the icon (again after the taskbar was re-created). False when the shell refused.
  bool show();
  void remove();
  // Shows the capture image (true) or the normal one.
  void showCaptureImage(bool capture);
  bool shown() const { return shown_; }
  // The message the shell broadcasts when the taskbar is re-created.
  UINT taskbarCreatedMessage() const { return taskbarCreated_; }

 private:
  NOTIFYICONDATAW data() const;

  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  HICON normalIcon_ = nullptr;
  HICON captureIcon_ = nullptr;
  UINT taskbarCreated_ = 0;
  bool shown_ = false;
};

}  // namespace qb
