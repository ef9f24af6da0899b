#include "tests/win32/dialogs/dialog_test.h"

namespace qb::test {

std::wstring RichTextOf(HWND control) {
  std::wstring text(64 * 1024, L'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  request.flags = GT_USECRLF;
  request.codepage = 1200;
  const auto copied = SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

CHARFORMAT2W RichLookOf(HWND control, long start, long end) {
  CHARRANGE range{start, end};
  SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W look{};
  look.cbSize = sizeof look;
  SendMessageW(control, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&look));
  return look;
}

bool IsPartLook(const CHARFORMAT2W& look) {
  return (look.dwMask & CFM_BOLD) && (look.dwEffects & CFE_BOLD) && (look.dwMask & CFM_COLOR) &&
         !(look.dwEffects & CFE_AUTOCOLOR) && look.crTextColor == RGB(0, 0, 255);
}

bool IsPlainLook(const CHARFORMAT2W& look) {
  const bool neverBold = (look.dwMask & CFM_BOLD) && !(look.dwEffects & CFE_BOLD);
  const bool neverBlue = (look.dwMask & CFM_COLOR) &&
                         ((look.dwEffects & CFE_AUTOCOLOR) || look.crTextColor != RGB(0, 0, 255));
  return neverBold && neverBlue;
}

}  // namespace qb::test
