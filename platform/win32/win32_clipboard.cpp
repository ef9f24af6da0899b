#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/text_conversion.h"

namespace qb {

bool Win32Clipboard::open() { return OpenClipboard(owner_) != 0; }

void Win32Clipboard::close() { CloseClipboard(); }

bool Win32Clipboard::hasText() {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

namespace {

// The clipboard's Unicode text, ending at its terminator and never beyond the memory block.
std::optional<std::wstring> UnicodeText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return std::nullopt;
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < capacity && text[length] != L'\0') ++length;
  std::wstring copy(text, length);
  GlobalUnlock(data);
  return copy;
}

bool SetUnicodeText(const std::wstring& wide) {
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
    GlobalFree(memory);  // still ours: the clipboard did not take it
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> Win32Clipboard::getText() {
  std::optional<std::wstring> text = UnicodeText();
  if (!text) return std::nullopt;
  return WideToSjis(*text);
}

std::string Win32Clipboard::getExactText() {
  std::optional<std::wstring> text = UnicodeText();
  return text ? ExactFormBeyondSjis(*text) : std::string();
}

bool Win32Clipboard::isPrivate() {
  static const UINT kExclude =
      RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
  static const UINT kViewerIgnore = RegisterClipboardFormatW(L"Clipboard Viewer Ignore");
  static const UINT kCanInclude = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
  if (IsClipboardFormatAvailable(kExclude) || IsClipboardFormatAvailable(kViewerIgnore)) {
    return true;
  }
  if (!IsClipboardFormatAvailable(kCanInclude)) return false;
  HANDLE data = GetClipboardData(kCanInclude);
  if (data == nullptr || GlobalSize(data) < sizeof(DWORD)) return false;
  const auto* value = static_cast<const DWORD*>(GlobalLock(data));
  if (value == nullptr) return false;
  const bool excluded = *value == 0;
  GlobalUnlock(data);
  return excluded;
}

bool Win32Clipboard::empty() { return EmptyClipboard() != 0; }

bool Win32Clipboard::setText(std::string_view text) { return SetUnicodeText(SjisToWide(text)); }

bool Win32Clipboard::setExactText(std::string_view /*text*/, std::string_view exact) {
  // The system derives the code-page text formats from the Unicode text.
  return SetUnicodeText(Utf8ToWide(exact));
}

}  // namespace qb
