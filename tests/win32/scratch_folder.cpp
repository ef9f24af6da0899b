#include "tests/win32/scratch_folder.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "platform/win32/text_conversion.h"

namespace qb::test {
namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temp folder");
  widePath_ = std::wstring(temp, length) + L"qb試験表示ソ_" +
              std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter);
  if (!CreateDirectoryW(widePath_.c_str(), nullptr)) {
    throw std::runtime_error("cannot create the scratch folder");
  }
  path_ = WideToSjis(widePath_);
}

ScratchFolder::~ScratchFolder() { RemoveTree(widePath_); }

}  // namespace qb::test
