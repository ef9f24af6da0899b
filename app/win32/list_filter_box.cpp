#include "app/win32/list_filter_box.h"

#include <commctrl.h>

#include "platform/win32/text_conversion.h"

namespace qb {

void ListFilterBox::create(HWND parent, HFONT font, int id, Events events) {
  id_ = id;
  events_ = std::move(events);
  edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 10, 10,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                          nullptr);
  if (!edit_) return;
  if (font) SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(edit_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"絞込（Esc で解除）"));
  SetWindowSubclass(edit_, EditProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void ListFilterBox::open() {
  if (!edit_) return;
  open_ = true;
  ShowWindow(edit_, SW_SHOW);
  SetFocus(edit_);
  SendMessageW(edit_, EM_SETSEL, 0, -1);
}

void ListFilterBox::close() {
  if (!edit_ || !open_) return;
  open_ = false;
  SetWindowTextW(edit_, L"");
  filter_.setQuery("");
  ShowWindow(edit_, SW_HIDE);
}

void ListFilterBox::onTextChanged() {
  const int length = GetWindowTextLengthW(edit_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit_, text.data(), length + 1)));
  filter_.setQuery(WideToSjis(text));
  if (events_.queryChanged) events_.queryChanged();
}

void ListFilterBox::move(const RECT& area) {
  MoveWindow(edit_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

bool ListFilterBox::onKey(WPARAM key) {
  const std::function<void()>* event = nullptr;
  if (key == VK_RETURN) event = &events_.enter;
  if (key == VK_ESCAPE) event = &events_.escape;
  if (key == VK_DOWN) event = &events_.down;
  if (!event) return false;
  if (*event) (*event)();
  return true;
}

LRESULT CALLBACK ListFilterBox::EditProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* box = reinterpret_cast<ListFilterBox*>(self);
  if (message == WM_KEYDOWN && box->onKey(wParam)) return 0;
  // Enter and Esc also arrive as characters: the edit control would beep at them.
  if (message == WM_CHAR && (wParam == L'\r' || wParam == 0x1B)) return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace qb
