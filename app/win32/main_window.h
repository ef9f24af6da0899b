// The program's main window: hidden in the tray, it receives the clipboard notices, the tray
// icon's clicks and the exit command.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/win32/tray_icon.h"

namespace qb {

class MainWindow {
 public:
  struct Handlers {
    std::function<void()> clipboardChanged;
    // Runs once, before the window is destroyed.
    std::function<void()> closing;
  };

  explicit MainWindow(Handlers handlers);
  bool create(HINSTANCE instance);
  HWND handle() const { return window_; }
  void requestClose() const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void onCreate();
  void onTrayCallback(LPARAM mouseMessage);
  void showTrayMenu();
  void onClose();
  void joinClipboardChain();
  void leaveClipboardChain();
  LRESULT onChangeClipboardChain(HWND leaving, HWND following);

  enum class Command : UINT { kExit = 1001 };

  Handlers handlers_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  TrayIcon tray_;
  bool usesListener_ = false;
  HWND nextViewer_ = nullptr;
  bool closing_ = false;
};

}  // namespace qb
