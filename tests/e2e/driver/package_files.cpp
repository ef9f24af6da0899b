#include "tests/e2e/driver/package_files.h"

#include <shellapi.h>
#include <shlobj.h>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

std::wstring withoutTrailingBackslash(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

std::wstring firstMatch(const std::wstring& pattern) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  return found.cFileName;
}

}  // namespace

const std::vector<std::wstring>& deliverables() {
  static const std::vector<std::wstring> files = {L"quillbox2.exe", L"tovaplan.dll",
                                                  L"qlbxhook.dll", L"plandata.dll"};
  return files;
}

const std::vector<std::wstring>& packagedFiles() {
  static const std::vector<std::wstring> files = [] {
    std::vector<std::wstring> all = deliverables();
    all.push_back(L"quillbox2.chm");
    all.push_back(L"QlbxPlan.chm");
    return all;
  }();
  return files;
}

std::wstring stagedSetup(const std::wstring& scratch) {
  const std::wstring folder = withoutTrailingBackslash(scratch) + L"\\packages\\";
  const std::wstring name = firstMatch(folder + L"quillbox-*-setup.exe");
  expect(!name.empty(), "no quillbox-*-setup.exe in " + toUtf8(folder) +
                            " (run_e2e.sh stages it from <build>\\packages)");
  return folder + name;
}

std::wstring unpackedPortableFolder(const std::wstring& scratch) {
  const std::wstring folder = withoutTrailingBackslash(scratch) + L"\\portable\\Quillbox";
  expect(folderExists(folder), "no unpacked portable package in " + toUtf8(folder) +
                                   " (run_e2e.sh unpacks it from <build>\\packages)");
  return folder;
}

std::wstring knownFolder(const KNOWNFOLDERID& id) {
  PWSTR path = nullptr;
  const HRESULT result = SHGetKnownFolderPath(id, 0, nullptr, &path);
  std::wstring folder = SUCCEEDED(result) && path ? path : L"";
  CoTaskMemFree(path);
  expect(!folder.empty(), "the shell names no special folder (error " + std::to_string(result) + ")");
  return withoutTrailingBackslash(folder);
}

std::wstring logonName() {
  wchar_t name[256] = {};
  DWORD size = 256;
  expect(GetUserNameW(name, &size) != FALSE, "GetUserNameW failed");
  return name;
}

bool folderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool removeFolderTree(const std::wstring& path) {
  if (!folderExists(path)) return true;
  std::wstring from = withoutTrailingBackslash(path);
  from.push_back(L'\0');  // the list of paths ends in a second zero
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
  return !folderExists(path);
}

DWORD runAndWait(const std::wstring& program, const std::wstring& parameters, DWORD limitMs) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  expect(ShellExecuteExW(&info) != FALSE && info.hProcess != nullptr,
         "the shell cannot run " + toUtf8(program) + ", error " + std::to_string(GetLastError()));
  noteStep("running " + quoted(program + L" " + parameters));
  const bool ended = pollUntil(limitMs, [&] {
    return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
  });
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info.hProcess, &code);
  if (!ended) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  expect(ended, toUtf8(program) + " did not end within " + std::to_string(limitMs) + " ms");
  noteStep("it ended with exit code " + std::to_string(code));
  return code;
}

std::optional<std::wstring> versionString(const std::wstring& file, const wchar_t* name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return std::nullopt;
  const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  wchar_t* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
      !value) {
    return std::nullopt;
  }
  return std::wstring(value, length > 0 ? length - 1 : 0);
}

std::optional<std::wstring> uninstallEntry(const wchar_t* valueName) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  const LSTATUS status = RegGetValueW(
      HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillbox",
      valueName, RRF_RT_REG_SZ, nullptr, value, &size);  // a 64-bit driver reads the 64-bit view
  if (status != ERROR_SUCCESS) return std::nullopt;
  return std::wstring(value);
}

HWND waitForHelpViewer(const std::wstring& title) {
  HWND viewer = nullptr;
  waitFor("the help viewer's window (class \"HH Parent\", title " + quoted(title) + ")",
          kStandardLimitMs,
          [&] {
            viewer = FindWindowW(L"HH Parent", title.c_str());
            return viewer != nullptr;
          },
          [] {
            std::string seen;
            for (HWND window : topLevelWindows()) {
              if (windowClassName(window) == L"HH Parent") seen += quoted(windowCaption(window)) + " ";
            }
            return seen.empty() ? std::string("no help viewer window") : "help viewers: " + seen;
          });
  return viewer;
}

void closeHelpViewer(HWND viewer) {
  const DWORD processId = windowProcessId(viewer);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
  PostMessageW(viewer, WM_CLOSE, 0, 0);
  const bool closed = pollUntil(kStandardLimitMs, [&] {
    return !IsWindow(viewer) && (!process || WaitForSingleObject(process, 0) == WAIT_OBJECT_0);
  });
  if (process) {
    if (!closed) TerminateProcess(process, 1);
    CloseHandle(process);
  }
  expect(closed, "the help viewer did not close after WM_CLOSE");
}

}  // namespace qb::e2e
