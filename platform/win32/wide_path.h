// Small helpers over UTF-16 Windows paths (after conversion no byte of a double-byte character
// can be mistaken for a backslash).
#pragma once
#include <string>
#include <string_view>

namespace qb {

struct FolderAndName {
  std::wstring folder;  // up to and including the last separator; empty when there is none
  std::wstring name;
};

FolderAndName SplitFolderAndName(std::wstring_view path);

// The absolute form of a path ("." and ".." resolved, '/' as '\'); the input when that fails.
std::wstring AbsolutePath(std::wstring_view path);

// Upper case, for comparing names the way the file system does (case-insensitively).
std::wstring CaseKey(std::wstring_view text);

// The path with exactly one separator at its end ("C:\x" and "C:\x\" both give "C:\x\").
std::wstring AsFolder(std::wstring_view path);

}  // namespace qb
