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
    // "クリップボードから取得（不具合アプリ用）": the late read for applications that need it.
    std::function<void()> deferredCapture;
    // Every 15 s.
    std::function<void()> watchdogTick;
    // Runs once, before the window is destroyed.
    std::function<void()> closing;
  };

  explicit MainWindow(Handlers handlers);
  bool create(HINSTANCE instance);
  HWND handle() const { return window_; }
  void requestClose() const;
  // With the clipboard listener, joining sends no notice by itself: `announce` posts one, as
  // joining the viewer chain does.
  void joinClipboardChain(bool announce = false);
  void leaveClipboardChain();
  void postDeferredCapture() const;
  // The tray icon shows its capture image for 700 ms (when it is shown).
  void flashTrayIcon();
  void startWatchdog();

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void onCreate();
  void onTrayCallback(LPARAM mouseMessage);
  void showTrayMenu();
  void onClose();
  void onTimer(UINT_PTR timer);
  LRESULT onChangeClipboardChain(HWND leaving, HWND following);

  enum class Command : UINT { kExit = 1001, kDeferredCapture = 1002 };
  static constexpr UINT_PTR kWatchdogTimer = 3;
  static constexpr UINT kWatchdogPeriod = 15000;
  static constexpr UINT_PTR kTrayFlashTimer = 6;
  static constexpr UINT kTrayFlashPeriod = 700;

  Handlers handlers_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  TrayIcon tray_;
  bool usesListener_ = false;
  HWND nextViewer_ = nullptr;
  bool closing_ = false;
};

}  // namespace qb
