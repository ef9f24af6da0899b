#include "platform/win32/win32_system_info.h"

#include <windows.h>
#include <lmcons.h>
#include <shlobj.h>

#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

std::string PathText(const std::wstring& path) {
  if (auto exact = WideToSjisExact(path)) return *exact;
  wchar_t shortPath[MAX_PATH];
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    if (auto exact = WideToSjisExact(std::wstring_view(shortPath, length))) return *exact;
  }
  return WideToSjis(path);
}

std::string SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  std::wstring folder(path);
  while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  return PathText(folder);
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

std::optional<std::string> Win32SystemInfo::userName() {
  wchar_t name[UNLEN + 1];
  DWORD size = UNLEN + 1;
  if (!GetUserNameW(name, &size) || size == 0) return std::nullopt;
  return WideToSjis(std::wstring_view(name, size - 1));
}

std::string Win32SystemInfo::computerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(name, &size)) return {};
  return WideToSjis(std::wstring_view(name, size));
}

WindowsVersion Win32SystemInfo::windowsVersion() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  FARPROC entry = ntdll == nullptr ? nullptr : GetProcAddress(ntdll, "RtlGetVersion");
  auto getVersion = reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(entry));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (getVersion != nullptr && getVersion(&info) == 0) {
    return WindowsVersion{static_cast<int>(info.dwMajorVersion),
                          static_cast<int>(info.dwMinorVersion)};
  }
  const DWORD version = GetVersion();
  return WindowsVersion{static_cast<int>(LOBYTE(LOWORD(version))),
                        static_cast<int>(HIBYTE(LOWORD(version)))};
}

std::string Win32SystemInfo::programFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return PathText(path);
    }
    path.resize(path.size() * 2);
  }
}

std::string Win32SystemInfo::appDataFolder() { return SpecialFolder(CSIDL_APPDATA); }

std::string Win32SystemInfo::commonAppDataFolder() { return SpecialFolder(CSIDL_COMMON_APPDATA); }

std::string Win32SystemInfo::programFilesFolder() { return SpecialFolder(CSIDL_PROGRAM_FILES); }

ScreenSize Win32SystemInfo::screenSize() {
  return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace qb
