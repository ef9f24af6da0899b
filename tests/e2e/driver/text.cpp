#include "tests/e2e/driver/text.h"

#include <windows.h>

namespace qb::e2e {
namespace {

constexpr UINT kShiftJis = 932;

std::string toMultiByte(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                      length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::string toShiftJis(std::wstring_view text) { return toMultiByte(kShiftJis, text); }

std::string toUtf8(std::wstring_view text) { return toMultiByte(CP_UTF8, text); }

std::wstring fromShiftJis(std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()),
                                   nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                      length);
  return text;
}

std::string quoted(std::wstring_view text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'\r') escaped += L"\\r";
    else if (c == L'\n') escaped += L"\\n";
    else if (c == L'\t') escaped += L"\\t";
    else escaped += c;
  }
  std::string result(1, '"');
  result += toUtf8(escaped);
  return result + '"';
}

std::string quotedShiftJis(std::string_view bytes) { return quoted(fromShiftJis(bytes)); }

}  // namespace qb::e2e
