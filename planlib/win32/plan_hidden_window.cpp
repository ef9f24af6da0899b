#include "planlib/win32/plan_hidden_window.h"

#include <cstring>
#include <string_view>

#include "planlib/win32/plan_dialog_ids.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/dialog_template.h"

namespace qb {
namespace {

constexpr std::string_view kStopRequest = "0927Plan_RunEndReq";
constexpr DWORD kStopWaitMilliseconds = 200;

}  // namespace

CPlanHiddenWnd::CPlanHiddenWnd(HANDLE hostThread, std::function<void()> requestStop)
    : hostThread_(hostThread), requestStop_(std::move(requestStop)) {}

CPlanHiddenWnd::~CPlanHiddenWnd() {
  if (window_ != nullptr) DestroyWindow(window_);
}

HWND CPlanHiddenWnd::create(const std::wstring& fontFace) {
  winui::DialogTemplate dialog(L"プラン", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               {0, 0, 160, 40}, fontFace, 9);
  dialog.label(plan_dialog_ids::kHiddenText, L"実行時用の不可視ウィンドウ", {7, 7, 146, 10});
  window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), nullptr, Procedure,
                                       reinterpret_cast<LPARAM>(this));
  return window_;
}

void CPlanHiddenWnd::setTitle(const std::string& title) {
  if (window_ != nullptr) SetWindowTextW(window_, SjisToWide(title).c_str());
}

void CPlanHiddenWnd::showMinimized() {
  if (window_ != nullptr) ShowWindow(window_, SW_SHOWMINNOACTIVE);
}

void CPlanHiddenWnd::hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

bool CPlanHiddenWnd::onCopyData(const COPYDATASTRUCT& data) {
  if (data.lpData == nullptr || data.cbData == 0) return false;
  const char* bytes = static_cast<const char*>(data.lpData);
  std::string_view text(bytes, strnlen(bytes, data.cbData));
  if (text != kStopRequest) return false;
  if (requestStop_) requestStop_();
  Sleep(kStopWaitMilliseconds);
  DWORD exitCode = 0;
  if (hostThread_ != nullptr) GetExitCodeThread(hostThread_, &exitCode);
  PostQuitMessage(static_cast<int>(exitCode));
  return true;
}

INT_PTR CALLBACK CPlanHiddenWnd::Procedure(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    return TRUE;
  }
  auto* self = reinterpret_cast<CPlanHiddenWnd*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      bool handled = data != nullptr && self->onCopyData(*data);
      SetWindowLongPtrW(window, DWLP_MSGRESULT, handled ? TRUE : FALSE);
      return TRUE;
    }
    case WM_CLOSE:  // the window lives until the run or edit ends
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace qb
