#include "tests/e2e/driver/click_target.h"

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

constexpr wchar_t kClass[] = L"QbE2eClickTarget";
constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU

}  // namespace

ClickTarget::ClickTarget(RECT rect) {
  thread_ = std::thread([this, rect] { run(rect); });
  waitFor("the driver's click target to come up", kStandardLimitMs, [this] { return ready_.load(); });
}

ClickTarget::~ClickTarget() {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (thread_.joinable()) thread_.join();
}

void ClickTarget::resetCounts() {
  leftDowns_ = 0;
  rightDowns_ = 0;
}

LRESULT CALLBACK ClickTarget::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ClickTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      if (self) ++self->leftDowns_;
      break;
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      if (self) ++self->rightDowns_;
      break;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ClickTarget::run(RECT rect) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kClass, L"クリック先", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ready_ = true;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void ClickTarget::activate() const {
  const DWORD own = GetCurrentThreadId();
  const DWORD target = GetWindowThreadProcessId(window_, nullptr);
  AttachThreadInput(own, target, TRUE);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  AttachThreadInput(own, target, FALSE);
  waitFor("the click target to be in front", kStandardLimitMs,
          [this] { return GetForegroundWindow() == window_; });
}

HWND ownPopupMenuWindow() {
  return findWindowOf(GetCurrentProcessId(), Visibility::kVisibleOnly, L"#32768");
}

std::vector<std::wstring> ownMenuTexts(HWND menuWindow) {
  std::vector<std::wstring> texts;
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kMenuGetHandle, 0, 0));
  const int count = menu ? GetMenuItemCount(menu) : -1;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item) && (item.fType & MFT_SEPARATOR)) {
      texts.emplace_back(L"-");
      continue;
    }
    wchar_t text[256] = L"";
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    texts.emplace_back(text);
  }
  return texts;
}

}  // namespace qb::e2e
