#include "tests/e2e/driver/target_window.h"

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"

namespace qb::e2e {
namespace {

constexpr wchar_t kClass[] = L"QbE2eTargetWindow";

// As an editor does, the window gives the keyboard focus back to the field that had it last
// when it is activated again.
HWND lastField = nullptr;

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_SETFOCUS) {
    lastField = reinterpret_cast<HWND>(lParam);
    return 0;
  }
  if (message == WM_SETFOCUS && lastField) {
    SetFocus(lastField);
    return 0;
  }
  if (message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TargetWindow::TargetWindow(FirstField first) : firstKind_(first) {
  thread_ = std::thread([this] { run(); });
  waitFor("the driver's editor window to come up", kStandardLimitMs, [this] { return ready_.load(); });
}

TargetWindow::~TargetWindow() {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (thread_.joinable()) thread_.join();
}

void TargetWindow::run() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TargetProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kClass, L"貼り付け先の文書", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                            420, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
  const DWORD lines = firstKind_ == FirstField::kLines ? ES_MULTILINE | ES_AUTOVSCROLL : 0;
  first_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | lines,
                           10, 10, 380, lines != 0 ? 36 : 24, window_, reinterpret_cast<HMENU>(1),
                           windowClass.hInstance, nullptr);
  second_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                            10, 50, 380, 24, window_, reinterpret_cast<HMENU>(2), windowClass.hInstance, nullptr);
  SetFocus(first_);
  lastField = first_;
  ready_ = true;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void TargetWindow::activateFirstField() const {
  const DWORD own = GetCurrentThreadId();
  const DWORD target = GetWindowThreadProcessId(window_, nullptr);
  AttachThreadInput(own, target, TRUE);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  SetFocus(first_);
  AttachThreadInput(own, target, FALSE);
  waitFor("the driver's editor to be in front", kStandardLimitMs,
          [this] { return GetForegroundWindow() == window_; });
}

std::wstring TargetWindow::text(int index) const {
  wchar_t buffer[512] = {};
  SendMessageW(field(index), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

void TargetWindow::clear() const {
  SendMessageW(first_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  SendMessageW(second_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

}  // namespace qb::e2e
