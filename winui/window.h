// A window bound to a C++ object: the object is attached at creation and every message goes to
// its virtual handler.
#pragma once
#include <windows.h>

namespace qb::winui {

struct WindowOptions {
  const wchar_t* className;
  const wchar_t* title = L"";
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, 400, 340};  // left, top, width, height
  HICON icon = nullptr;
  HWND parent = nullptr;
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle() const { return window_; }

 protected:
  // Registers the class on first use and creates the window; false when that failed.
  bool create(HINSTANCE instance, const WindowOptions& options);
  // Every message; the default passes it to DefWindowProcW.
  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called when the window is gone (after WM_NCDESTROY); the handle is null then.
  virtual void onDestroyed() {}

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace qb::winui
