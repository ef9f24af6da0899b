#include "tests/win32/dialogs/macro_dialogs_test.h"

namespace qb::test {

std::wstring ListItem(HWND list, int index, bool combo) {
  const UINT lengthMessage = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  const UINT textMessage = combo ? CB_GETLBTEXT : LB_GETTEXT;
  const auto length = SendMessageW(list, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return L"(none)";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

int ListCount(HWND list, bool combo) {
  return static_cast<int>(SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

void TypeInto(HWND control, long start, long end, const std::wstring& text) {
  CHARRANGE range{start, end};
  SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  SendMessageW(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace qb::test
