#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/text_conversion.h"

namespace qb {

bool Win32Clipboard::open() { return OpenClipboard(owner_) != 0; }

void Win32Clipboard::close() { CloseClipboard(); }

bool Win32Clipboard::hasText() {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

std::optional<std::string> Win32Clipboard::getText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return std::nullopt;
  // The text ends at its terminator, and never beyond the memory block.
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < capacity && text[length] != L'\0') ++length;
  std::string converted = WideToSjis(std::wstring_view(text, length));
  GlobalUnlock(data);
  return converted;
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

bool Win32Clipboard::setText(std::string_view text) {
  const std::wstring wide = SjisToWide(text);
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

}  // namespace qb
