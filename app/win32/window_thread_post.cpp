#include "app/win32/window_thread_post.h"

#include <memory>

namespace qb {

namespace {

constexpr UINT kRunPosted = WM_APP + 41;
constexpr wchar_t kClassName[] = L"QuillboxWindowThreadPost";

}  // namespace

WindowThreadPost::WindowThreadPost(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowThreadPost::Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);  // already registered: the class is the same
  window_.store(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                                nullptr));
}

WindowThreadPost::~WindowThreadPost() {
  HWND window = window_.exchange(nullptr);
  if (window == nullptr) return;
  MSG message;
  while (PeekMessageW(&message, window, kRunPosted, kRunPosted, PM_REMOVE)) {
    delete reinterpret_cast<std::function<void()>*>(message.lParam);
  }
  DestroyWindow(window);
}

void WindowThreadPost::post(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  HWND window = window_.load();
  if (window != nullptr &&
      PostMessageW(window, kRunPosted, 0, reinterpret_cast<LPARAM>(owned.get()))) {
    owned.release();
  }
}

LRESULT CALLBACK WindowThreadPost::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == kRunPosted) {
    std::unique_ptr<std::function<void()>> work(reinterpret_cast<std::function<void()>*>(lParam));
    if (work && *work) (*work)();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace qb
