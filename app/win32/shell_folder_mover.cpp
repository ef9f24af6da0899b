#include "app/win32/shell_folder_mover.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

// The shell takes lists of paths ending in an extra zero.
std::wstring DoubleZeroTerminated(std::string_view path) {
  std::wstring wide = SjisToWide(path);
  wide.push_back(L'\0');
  return wide;
}

bool RunShellOperation(UINT operation, std::string_view from, std::string_view to) {
  std::wstring source = DoubleZeroTerminated(from);
  std::wstring target = DoubleZeroTerminated(to);
  SHFILEOPSTRUCTW op{};
  op.wFunc = operation;
  op.pFrom = source.c_str();
  op.pTo = target.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
  return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace

bool ShellFolderMover::copyFolder(std::string_view from, std::string_view to) {
  return RunShellOperation(FO_COPY, from, to);
}

bool ShellFolderMover::moveFolder(std::string_view from, std::string_view to) {
  return RunShellOperation(FO_MOVE, from, to);
}

}  // namespace qb
