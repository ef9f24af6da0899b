#include "platform/win32/wide_path.h"

#include <windows.h>

namespace qb {

FolderAndName SplitFolderAndName(std::wstring_view path) {
  const std::size_t last = path.find_last_of(L"\\/");
  if (last == std::wstring_view::npos) return {std::wstring(), std::wstring(path)};
  return {std::wstring(path.substr(0, last + 1)), std::wstring(path.substr(last + 1))};
}

std::wstring AbsolutePath(std::wstring_view path) {
  std::wstring input(path);
  DWORD needed = GetFullPathNameW(input.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return input;
  std::wstring out(needed, L'\0');
  DWORD written = GetFullPathNameW(input.c_str(), needed, out.data(), nullptr);
  if (written == 0 || written >= needed) return input;
  out.resize(written);
  return out;
}

std::wstring CaseKey(std::wstring_view text) {
  std::wstring key(text);
  if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

std::wstring AsFolder(std::wstring_view path) {
  std::wstring folder(path);
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  folder += L'\\';
  return folder;
}

}  // namespace qb
