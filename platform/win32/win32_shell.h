// The Shell port through ShellExecuteW.
#pragma once
#include <windows.h>

#include "platform/shell.h"

namespace qb {

class Win32Shell : public Shell {
 public:
  // `owner` parents the shell's own error windows; nullptr for none.
  explicit Win32Shell(HWND owner = nullptr) : owner_(owner) {}

  bool openFile(std::string_view path) override;

 private:
  HWND owner_;
};

}  // namespace qb
