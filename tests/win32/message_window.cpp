#include "tests/win32/message_window.h"

#include <memory>
#include <stdexcept>

namespace qb::test {
namespace {

constexpr UINT kRunAction = WM_APP + 1;
constexpr wchar_t kClassName[] = L"QuillboxTestMessageWindow";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunAction) {
    std::unique_ptr<std::function<void()>> action(reinterpret_cast<std::function<void()>*>(lParam));
    (*action)();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterOnce() {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the test window class");
}

}  // namespace

MessageWindow::MessageWindow() {
  RegisterOnce();
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) throw std::runtime_error("cannot create the test window");
}

MessageWindow::~MessageWindow() {
  MSG message;
  while (PeekMessageW(&message, window_, kRunAction, kRunAction, PM_REMOVE)) {
    delete reinterpret_cast<std::function<void()>*>(message.lParam);
  }
  DestroyWindow(window_);
}

void MessageWindow::post(std::function<void()> action) {
  auto* posted = new std::function<void()>(std::move(action));
  if (!PostMessageW(window_, kRunAction, 0, reinterpret_cast<LPARAM>(posted))) {
    delete posted;
    throw std::runtime_error("cannot post to the test window");
  }
}

}  // namespace qb::test
