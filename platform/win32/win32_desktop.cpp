#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

HWND Handle(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId Id(HWND window) { return reinterpret_cast<WindowId>(window); }

}  // namespace

WindowId Win32Desktop::foregroundWindow() { return Id(GetForegroundWindow()); }

std::string Win32Desktop::windowTitle(WindowId window) {
  if (window == 0) return std::string();
  wchar_t title[512] = {};
  GetWindowTextW(Handle(window), title, 512);
  return WideToSjis(title);
}

std::string Win32Desktop::windowClassName(WindowId window) {
  if (window == 0) return std::string();
  wchar_t name[256] = {};
  GetClassNameW(Handle(window), name, 256);
  return WideToSjis(name);
}

std::optional<ScreenRect> Win32Desktop::windowRect(WindowId window) {
  RECT rect;
  if (window == 0 || !GetWindowRect(Handle(window), &rect)) return std::nullopt;
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

ScreenRect Win32Desktop::workArea() {
  RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

bool Win32Desktop::isResizable(WindowId window) {
  return window != 0 && (GetWindowLongPtrW(Handle(window), GWL_STYLE) & WS_THICKFRAME) != 0;
}

bool Win32Desktop::activate(WindowId window) {
  return window != 0 && SetForegroundWindow(Handle(window)) != 0;
}

ThreadId Win32Desktop::currentThread() { return GetCurrentThreadId(); }

ThreadId Win32Desktop::windowThread(WindowId window) {
  return window == 0 ? 0 : GetWindowThreadProcessId(Handle(window), nullptr);
}

bool Win32Desktop::attachInput(ThreadId from, ThreadId to, bool attach) {
  return AttachThreadInput(from, to, attach ? TRUE : FALSE) != 0;
}

WindowId Win32Desktop::focusedWindow() { return Id(GetFocus()); }

void Win32Desktop::setFocus(WindowId window) { SetFocus(Handle(window)); }

std::optional<ScreenPoint> Win32Desktop::caretPosition() {
  POINT point;
  if (!GetCaretPos(&point)) return std::nullopt;
  HWND focus = GetFocus();
  if (focus != nullptr) ClientToScreen(focus, &point);
  return ScreenPoint{point.x, point.y};
}

void Win32Desktop::restore(WindowId window) {
  if (IsIconic(Handle(window)) || IsZoomed(Handle(window))) ShowWindow(Handle(window), SW_RESTORE);
}

void Win32Desktop::move(WindowId window, const ScreenRect& rect) {
  MoveWindow(Handle(window), rect.left, rect.top, rect.width(), rect.height(), TRUE);
}

void Win32Desktop::show(WindowId window, bool visible) {
  ShowWindow(Handle(window), visible ? SW_SHOW : SW_HIDE);
}

void Win32Desktop::raise(WindowId window) {
  SetWindowPos(Handle(window), HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void Win32Desktop::setTopmost(WindowId window, bool topmost) {
  SetWindowPos(Handle(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace qb
