// Where the program keeps its files: the user name, the program folder and the data home.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/system_info.h"
#include "platform/ui.h"

namespace qb {

inline constexpr std::string_view kDefaultUserName = "Default";
inline constexpr std::string_view kCommonUserName = "QuillBoxCommonUser";
inline constexpr std::string_view kSettingsFileName = "quillbox2.dat";

// Copies and moves whole folders without asking (the shell's silent copy and move).
class FolderMover {
 public:
  virtual ~FolderMover() = default;
  virtual bool copyFolder(std::string_view from, std::string_view to) = 0;
  virtual bool moveFolder(std::string_view from, std::string_view to) = 0;
};

struct DataHome {
  std::string userName;       // "QuillBoxCommonUser" in common-user mode
  std::string programFolder;  // ends in a backslash
  std::string folder;         // ends in a backslash
  std::string settingsPath;   // folder + "quillbox2.dat"
};

// The logon name, or "Default" when it cannot be read.
std::string ResolveUserName(const std::optional<std::string>& logonName);

// The program file's path up to and including its last backslash.
std::string ProgramFolderOf(std::string_view programFilePath);

// On Windows 6 and later, a program folder that begins with the Program Files folder counts as
// installed under Program Files (compared without regard to ASCII case, as Windows paths are).
bool IsUnderProgramFiles(WindowsVersion version, std::string_view programFolder,
                         std::string_view programFilesFolder);

// Adds the trailing backslash a folder path of the program always has.
std::string WithTrailingBackslash(std::string_view folder);

// The data home of a user as the start computes it: program folder + user name, or under
// Program Files the (all-users, for "QuillBoxCommonUser") application-data folder +
// "\tova-works\quillbox\". Nothing is asked or moved.
DataHome DataHomeOf(SystemInfo& system, const std::string& userName);

// Chooses the data home as the program does at start. `userName` is the logon name already
// resolved, or "QuillBoxCommonUser" for the common-user data home, which lies in the all-users
// application-data folder. Under Program Files it offers to move the data of the earlier location
// (program folder + user name) into the application-data folder; declining or a failed move
// gives nullopt (the start is aborted; the earlier folder stays where it was).
std::optional<DataHome> ChooseDataHome(SystemInfo& system, FileSystem& fs, Ui& ui,
                                       FolderMover& mover, const std::string& userName);

// A data home given on the command line ("--data-home=PATH": tests and portable installs).
DataHome DataHomeAt(SystemInfo& system, std::string_view folder, const std::string& userName);

// Creates a missing data home. On failure shows "ユーザー用フォルダの作成に失敗しました" and the
// system error ("ERROR CD : %d" with a hint for errors 5 and 206) and returns -1.
int EnsureDataHomeExists(FileSystem& fs, Ui& ui, const DataHome& home);

}  // namespace qb
