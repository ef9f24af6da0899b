#include "planlib/win32/file_choosers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace qb {
namespace {

// "a|b|c|d||" as the chooser wants it: pairs separated by zeros, two zeros at the end.
std::wstring FilterOf(const std::wstring& filter) {
  if (filter.empty()) return std::wstring(L"すべてのファイル (*.*)\0*.*\0\0", 22);
  std::wstring converted = filter;
  for (wchar_t& c : converted) {
    if (c == L'|') c = L'\0';
  }
  converted.push_back(L'\0');
  return converted;
}

int CALLBACK StartFolder(HWND window, UINT message, LPARAM, LPARAM initial) {
  if (message == BFFM_INITIALIZED && initial != 0) {
    SendMessageW(window, BFFM_SETSELECTIONW, TRUE, initial);
  }
  return 0;
}

}  // namespace

std::wstring ChooseFile(HWND owner, const std::wstring& initial, const FileChooser& chooser) {
  std::vector<wchar_t> buffer(32768, L'\0');
  initial.copy(buffer.data(), buffer.size() - 1);
  const std::wstring filter = FilterOf(chooser.filter);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = chooser.title.empty() ? nullptr : chooser.title.c_str();
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (chooser.save ? 0 : OFN_FILEMUSTEXIST);
  const BOOL chosen = chooser.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? std::wstring(buffer.data()) : std::wstring();
}

std::wstring ChooseFolder(HWND owner, const std::wstring& initial, const std::wstring& title) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = StartFolder;
  browse.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  std::wstring chosen;
  if (PIDLIST_ABSOLUTE folder = SHBrowseForFolderW(&browse)) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(folder, path)) chosen = path;
    CoTaskMemFree(folder);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace qb
