// The topmost notice window of a plan: its text centred in its colours, in the middle of the
// work area, shown without taking the activation from the working window.
#include <algorithm>

#include "planlib/win32/plan_screen_views.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/dialog_font.h"

namespace qb {
namespace {

constexpr wchar_t kClassName[] = L"QuillboxPlanNotice";
constexpr wchar_t kTitle[] = L"プラン実行［メッセージ通知］";
constexpr int kMinWidth = 260;
constexpr int kMinHeight = 70;
constexpr int kPadding = 16;

COLORREF ToColor(const PlanColor& color) {
  auto part = [](int value) { return static_cast<BYTE>(std::clamp(value, 0, 255)); };
  return RGB(part(color.red), part(color.green), part(color.blue));
}

struct NoticeState {
  std::wstring text;
  COLORREF textColor;
  COLORREF backColor;
  HFONT font;
};

LRESULT CALLBACK NoticeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<NoticeState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_PAINT && state != nullptr) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    HBRUSH back = CreateSolidBrush(state->backColor);
    FillRect(dc, &area, back);
    DeleteObject(back);
    HGDIOBJ oldFont = SelectObject(dc, state->font);
    SetTextColor(dc, state->textColor);
    SetBkMode(dc, TRANSPARENT);
    InflateRect(&area, -kPadding / 2, -kPadding / 2);
    DrawTextW(dc, state->text.c_str(), -1, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
    return 0;
  } else if (message == WM_MOUSEACTIVATE) {
    return MA_NOACTIVATE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterNoticeClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = NoticeProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

class Win32NoticeWindow : public PlanNoticeWindow {
 public:
  Win32NoticeWindow(const PlanNotice& notice, const std::wstring& fontFace) {
    RegisterNoticeClass();
    LOGFONTW look{};
    look.lfHeight = winui::FontHeightForPoints(11);
    look.lfCharSet = SHIFTJIS_CHARSET;
    winui::ResolveDialogFontFace(fontFace).copy(look.lfFaceName, LF_FACESIZE - 1);
    state_ = {SjisToWide(notice.text), ToColor(notice.textColor), ToColor(notice.backColor),
              CreateFontIndirectW(&look)};
    RECT size{0, 0, kMinWidth, 0};
    measure(size);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = size.right - size.left;
    const int height = size.bottom - size.top;
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName,
                              kTitle, WS_POPUP | WS_BORDER,
                              work.left + (work.right - work.left - width) / 2,
                              work.top + (work.bottom - work.top - height) / 2, width, height,
                              nullptr, nullptr, GetModuleHandleW(nullptr), &state_);
    if (window_ != nullptr) {
      ShowWindow(window_, SW_SHOWNOACTIVATE);
      UpdateWindow(window_);
    }
  }
  ~Win32NoticeWindow() override {
    if (window_ != nullptr) DestroyWindow(window_);
    if (state_.font != nullptr) DeleteObject(state_.font);
  }

 private:
  // The window's size for the text: at least the minimum, wrapped at twice the minimum width.
  void measure(RECT& size) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, state_.font);
    RECT text{0, 0, 2 * kMinWidth - kPadding, 0};
    DrawTextW(dc, state_.text.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    size.right = std::max<LONG>(kMinWidth, text.right + 2 * kPadding);
    size.bottom = std::max<LONG>(kMinHeight, text.bottom + 2 * kPadding);
  }

  NoticeState state_{};
  HWND window_ = nullptr;
};

}  // namespace

std::unique_ptr<PlanNoticeWindow> OpenPlanNoticeWindow(const PlanNotice& notice,
                                                       const std::wstring& fontFace) {
  return std::make_unique<Win32NoticeWindow>(notice, fontFace);
}

}  // namespace qb
