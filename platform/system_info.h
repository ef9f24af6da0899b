// Facts about the machine and the user that the program reads once.
#pragma once
#include <optional>
#include <string>

namespace qb {

struct WindowsVersion {
  int major = 0;
  int minor = 0;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // Empty when the logon name cannot be read.
  virtual std::optional<std::string> userName() = 0;
  // At most 15 characters, as the system returns it.
  virtual std::string computerName() = 0;
  virtual WindowsVersion windowsVersion() = 0;
  // Full path of the running program file ("C:\Tools\Quillbox\quillbox2.exe").
  virtual std::string programFilePath() = 0;
  // The user's application-data folder and the all-users one, without a trailing backslash.
  virtual std::string appDataFolder() = 0;
  virtual std::string commonAppDataFolder() = 0;
  // The Program Files folder, without a trailing backslash.
  virtual std::string programFilesFolder() = 0;
  // Size of the primary screen in pixels.
  virtual ScreenSize screenSize() = 0;
};

}  // namespace qb
