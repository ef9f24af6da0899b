#include "platform/win32/win32_shell.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/text_conversion.h"

namespace qb {

bool Win32Shell::openFile(std::string_view path) {
  const std::wstring widePath = SjisToWide(path);
  HINSTANCE result =
      ShellExecuteW(owner_, L"open", widePath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace qb
