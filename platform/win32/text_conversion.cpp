#include "platform/win32/text_conversion.h"

#include <windows.h>

#include <climits>

namespace qb {
namespace {

int ClampedLength(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

std::string ToSjis(std::wstring_view text, BOOL* usedDefault) {
  if (text.empty()) return {};
  const int length = ClampedLength(text.size());
  const DWORD flags = WC_NO_BEST_FIT_CHARS;
  const char kDefault[] = "?";
  int bytes = WideCharToMultiByte(kShiftJisCodePage, flags, text.data(), length, nullptr, 0,
                                  kDefault, usedDefault);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  if (bytes > 0) {
    WideCharToMultiByte(kShiftJisCodePage, flags, text.data(), length, out.data(), bytes,
                        kDefault, usedDefault);
  }
  return out;
}

}  // namespace

std::wstring SjisToWide(std::string_view text) {
  if (text.empty()) return {};
  const int length = ClampedLength(text.size());
  int units = MultiByteToWideChar(kShiftJisCodePage, 0, text.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(units), L'\0');
  if (units > 0) {
    MultiByteToWideChar(kShiftJisCodePage, 0, text.data(), length, out.data(), units);
  }
  return out;
}

std::string WideToSjis(std::wstring_view text) { return ToSjis(text, nullptr); }

std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty()) return {};
  const int length = ClampedLength(text.size());
  int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(units), L'\0');
  if (units > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), units);
  return out;
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = ClampedLength(text.size());
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  if (bytes > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
  }
  return out;
}

std::string ExactFormBeyondSjis(std::wstring_view text) {
  if (SjisToWide(WideToSjis(text)) == text) return {};
  return WideToUtf8(text);
}

std::optional<std::string> WideToSjisExact(std::wstring_view text) {
  BOOL usedDefault = FALSE;
  std::string out = ToSjis(text, &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

}  // namespace qb
