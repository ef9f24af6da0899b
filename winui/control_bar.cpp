#include "winui/control_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/text_conversion.h"

namespace qb::winui {
namespace {

constexpr int kComboDropHeight = 260;

HWND CreateBarWindow(HWND parent, HFONT font, const BarControl& control) {
  const wchar_t* className = WC_BUTTONW;
  DWORD style = WS_CHILD | BS_PUSHBUTTON;
  if (control.kind == BarControl::Kind::kComboBox) {
    className = WC_COMBOBOXW;
    style = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST;
  } else if (control.kind == BarControl::Kind::kLabel) {
    className = WC_STATICW;
    style = WS_CHILD | SS_LEFT | SS_CENTERIMAGE;
  }
  HWND window = CreateWindowExW(
      0, className, SjisToWide(control.caption).c_str(), style, 0, 0, control.width, 20, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (window && font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return window;
}

}  // namespace

ControlBar::~ControlBar() {
  for (HWND window : windows_) {
    if (window && IsWindow(window)) DestroyWindow(window);
  }
}

void ControlBar::create(HWND parent, HFONT font, std::vector<BarControl> controls) {
  controls_ = std::move(controls);
  for (const BarControl& control : controls_) windows_.push_back(CreateBarWindow(parent, font, control));
}

void ControlBar::show(bool shown) {
  for (HWND window : windows_) ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}

// The controls keep their widths while they fit; in a narrower area they shrink in proportion,
// so that none reaches past the area into its neighbours.
void ControlBar::layout(const RECT& area) {
  int total = 0;
  for (const BarControl& control : controls_) total += control.width;
  const int available = std::max(0, static_cast<int>(area.right - area.left) - 2);
  int left = area.left + 2;
  const int height = area.bottom - area.top - 4;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const int width = total <= available ? controls_[i].width : controls_[i].width * available / total;
    const bool combo = controls_[i].kind == BarControl::Kind::kComboBox;
    MoveWindow(windows_[i], left, area.top + 2, std::max(0, width - 2),
               combo ? kComboDropHeight : height, TRUE);
    left += width;
  }
}

HWND ControlBar::control(int id) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].id == id && id != 0) return windows_[i];
  }
  return nullptr;
}

RECT ControlBar::screenRect(int id) const {
  RECT rect{};
  if (HWND window = control(id)) GetWindowRect(window, &rect);
  return rect;
}

void ControlBar::setPressed(int id, bool pressed) {
  if (HWND window = control(id)) SendMessageW(window, BM_SETSTATE, pressed ? TRUE : FALSE, 0);
}

void ControlBar::setEnabled(int id, bool enabled) {
  if (HWND window = control(id)) EnableWindow(window, enabled ? TRUE : FALSE);
}

void ControlBar::setCaption(int id, const std::string& caption) {
  if (HWND window = control(id)) SetWindowTextW(window, SjisToWide(caption).c_str());
}

void ControlBar::setItems(int id, const std::vector<std::string>& items, int selected) {
  HWND window = control(id);
  if (!window) return;
  SendMessageW(window, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(item).c_str()));
  }
  SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int ControlBar::selectedItem(int id) const {
  HWND window = control(id);
  return window ? static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0)) : -1;
}

}  // namespace qb::winui
