// The file and folder choosers of the plan library's windows.
#pragma once
#include <windows.h>

#include <string>

namespace qb {

struct FileChooser {
  std::wstring title;   // empty: the system's own title
  std::wstring filter;  // "名前|*.ext|…||"; empty: every file
  bool save = false;
};

// The chosen file; empty when the user cancelled.
std::wstring ChooseFile(HWND owner, const std::wstring& initial, const FileChooser& chooser);
// The chosen folder; empty when the user cancelled.
std::wstring ChooseFolder(HWND owner, const std::wstring& initial, const std::wstring& title);

}  // namespace qb
