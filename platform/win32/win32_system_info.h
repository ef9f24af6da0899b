// Facts about the machine and the user, read from the system. Paths that code page 932 cannot
// hold are given in their short form when the volume has one.
#pragma once
#include "platform/system_info.h"

namespace qb {

class Win32SystemInfo : public SystemInfo {
 public:
  std::optional<std::string> userName() override;
  std::string computerName() override;
  // The real version (RtlGetVersion); GetVersionEx answers what the program's manifest allows.
  WindowsVersion windowsVersion() override;
  std::string programFilePath() override;
  std::string appDataFolder() override;
  std::string commonAppDataFolder() override;
  std::string programFilesFolder() override;
  ScreenSize screenSize() override;
};

}  // namespace qb
