#include "app/win32/main_window.h"

#include "app/win32/window_identity.h"
#include "platform/win32/text_conversion.h"

namespace qb {

MainWindow::MainWindow(Handlers handlers) : handlers_(std::move(handlers)) {}

bool MainWindow::create(HINSTANCE instance) {
  instance_ = instance;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &MainWindow::WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(TrayIcon::kNormalIcon));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&windowClass)) return false;
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kMainWindowClass, kMainWindowTitle,
                            WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 360, nullptr,
                            nullptr, instance, this);
  return window_ != nullptr;
}

void MainWindow::requestClose() const {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      onCreate();
      return 0;
    case WM_CLIPBOARDUPDATE:
      if (handlers_.clipboardChanged && !closing_) handlers_.clipboardChanged();
      return 0;
    case WM_DRAWCLIPBOARD:
      if (nextViewer_) SendMessageW(nextViewer_, message, wParam, lParam);
      if (handlers_.clipboardChanged && !closing_) handlers_.clipboardChanged();
      return 0;
    case WM_CHANGECBCHAIN:
      return onChangeClipboardChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
    case kTrayCallbackMessage:
      onTrayCallback(lParam);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == static_cast<UINT>(Command::kExit)) requestClose();
      if (LOWORD(wParam) == static_cast<UINT>(Command::kDeferredCapture) &&
          handlers_.deferredCapture && !closing_) {
        handlers_.deferredCapture();
      }
      return 0;
    case WM_TIMER:
      onTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_CLOSE:
    case WM_ENDSESSION:
      if (message == WM_ENDSESSION && !wParam) return 0;
      onClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (message == tray_.taskbarCreatedMessage() && message != 0) {
        tray_.show();
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void MainWindow::onCreate() {
  tray_.attach(window_, instance_);
  tray_.show();
  joinClipboardChain();
}

void MainWindow::postDeferredCapture() const {
  PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(Command::kDeferredCapture), 0);
}

void MainWindow::flashTrayIcon() {
  if (!tray_.shown()) return;
  tray_.showCaptureImage(true);
  SetTimer(window_, kTrayFlashTimer, kTrayFlashPeriod, nullptr);
}

void MainWindow::startWatchdog() { SetTimer(window_, kWatchdogTimer, kWatchdogPeriod, nullptr); }

void MainWindow::onTimer(UINT_PTR timer) {
  if (timer == kTrayFlashTimer) {
    KillTimer(window_, kTrayFlashTimer);
    tray_.showCaptureImage(false);
  } else if (timer == kWatchdogTimer && handlers_.watchdogTick && !closing_) {
    handlers_.watchdogTick();
  }
}

void MainWindow::joinClipboardChain(bool announce) {
  usesListener_ = AddClipboardFormatListener(window_) != FALSE;
  if (!usesListener_) {
    nextViewer_ = SetClipboardViewer(window_);
  } else if (announce) {
    PostMessageW(window_, WM_CLIPBOARDUPDATE, 0, 0);
  }
}

void MainWindow::leaveClipboardChain() {
  if (usesListener_) {
    RemoveClipboardFormatListener(window_);
  } else {
    ChangeClipboardChain(window_, nextViewer_);
  }
  usesListener_ = false;
  nextViewer_ = nullptr;
}

LRESULT MainWindow::onChangeClipboardChain(HWND leaving, HWND following) {
  if (leaving == nextViewer_) {
    nextViewer_ = following;
  } else if (nextViewer_) {
    SendMessageW(nextViewer_, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving),
                 reinterpret_cast<LPARAM>(following));
  }
  return 0;
}

void MainWindow::onTrayCallback(LPARAM mouseMessage) {
  if (mouseMessage == WM_RBUTTONUP) showTrayMenu();
}

void MainWindow::showTrayMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(Command::kExit),
              SjisToWide("終了").c_str());
  POINT cursor{};
  GetCursorPos(&cursor);
  // The menu closes when the user clicks elsewhere only if our window is in front.
  SetForegroundWindow(window_);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
  DestroyMenu(menu);
}

void MainWindow::onClose() {
  if (closing_) return;
  closing_ = true;
  KillTimer(window_, kWatchdogTimer);
  KillTimer(window_, kTrayFlashTimer);
  if (handlers_.closing) handlers_.closing();
  leaveClipboardChain();
  tray_.remove();
  DestroyWindow(window_);
}

}  // namespace qb
