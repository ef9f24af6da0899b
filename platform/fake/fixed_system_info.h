// SystemInfo with answers a test sets directly.
#pragma once
#include <optional>
#include <string>

#include "platform/system_info.h"

namespace qb {

class FixedSystemInfo : public SystemInfo {
 public:
  std::optional<std::string> user = std::string("tester");
  std::string computer = "TESTPC";
  WindowsVersion version{6, 1};
  std::string programFile = "C:\\Program Files\\Quillbox\\quillbox2.exe";
  std::string appData = "C:\\Users\\tester\\AppData\\Roaming";
  std::string commonAppData = "C:\\ProgramData";
  std::string programFiles = "C:\\Program Files";
  ScreenSize screen{1280, 800};

  std::optional<std::string> userName() override { return user; }
  std::string computerName() override { return computer; }
  WindowsVersion windowsVersion() override { return version; }
  std::string programFilePath() override { return programFile; }
  std::string appDataFolder() override { return appData; }
  std::string commonAppDataFolder() override { return commonAppData; }
  std::string programFilesFolder() override { return programFiles; }
  ScreenSize screenSize() override { return screen; }
};

}  // namespace qb
