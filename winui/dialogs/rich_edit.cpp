#include "winui/dialogs/rich_edit.h"

#include <algorithm>
#include <cstring>

namespace qb::winui {
namespace {

struct StreamSource {
  const wchar_t* data;
  std::size_t bytesLeft;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t count = std::min<std::size_t>(source->bytesLeft, static_cast<std::size_t>(wanted));
  std::memcpy(buffer, source->data, count);
  source->data += count / sizeof(wchar_t);
  source->bytesLeft -= count;
  *given = static_cast<LONG>(count);
  return 0;
}

}  // namespace

const wchar_t* RichEdit::ClassName() {
  static const wchar_t* const name = [] {
    if (LoadLibraryW(L"Msftedit.dll") != nullptr) return MSFTEDIT_CLASS;
    LoadLibraryW(L"Riched20.dll");
    return RICHEDIT_CLASSW;
  }();
  return name;
}

void RichEdit::setLimit(long characters) {
  SendMessageW(control_, EM_EXLIMITTEXT, 0, characters);
}

void RichEdit::setBackground(COLORREF color) {
  SendMessageW(control_, EM_SETBKGNDCOLOR, 0, color);
}

void RichEdit::setEventMask(DWORD mask) { SendMessageW(control_, EM_SETEVENTMASK, 0, mask); }

void RichEdit::setText(std::wstring_view text) {
  // Streamed in as plain text: a text that begins with "{\rtf" is shown as it stands.
  StreamSource source{text.data(), text.size() * sizeof(wchar_t)};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadStream};
  SendMessageW(control_, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
  setLook({0, length()}, CharacterLook{});
}

long RichEdit::length() const {
  GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<long>(SendMessageW(control_, EM_GETTEXTLENGTHEX,
                                        reinterpret_cast<WPARAM>(&query), 0));
}

std::wstring RichEdit::text() const {
  GETTEXTLENGTHEX query{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto units = SendMessageW(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
  std::wstring text(static_cast<std::size_t>(units) + 1, L'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  request.flags = GT_USECRLF;
  request.codepage = 1200;
  const auto copied = SendMessageW(control_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

CHARFORMAT2W RichEdit::format(const CharacterLook& look) const {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR | CFM_BOLD | CFM_PROTECTED;
  format.dwEffects = (look.automaticColor ? CFE_AUTOCOLOR : 0) | (look.bold ? CFE_BOLD : 0) |
                     (look.isProtected ? CFE_PROTECTED : 0);
  format.crTextColor = look.color;
  return format;
}

void RichEdit::setLook(ControlRange range, const CharacterLook& look) {
  const ControlRange kept = selection();
  SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
  select(range);
  CHARFORMAT2W chosen = format(look);
  SendMessageW(control_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&chosen));
  select(kept);
  SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(control_, nullptr, TRUE);
}

void RichEdit::setTypingLook(const CharacterLook& look) {
  CHARFORMAT2W chosen = format(look);
  SendMessageW(control_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&chosen));
}

ControlRange RichEdit::selection() const {
  CHARRANGE range{};
  SendMessageW(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {range.cpMin, range.cpMax};
}

void RichEdit::select(ControlRange range) {
  CHARRANGE chosen{range.start, range.end};
  SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chosen));
}

}  // namespace qb::winui
