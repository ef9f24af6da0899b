// The data home the program runs on, and the settings loaded from it: the logon user's own, or,
// when the user's settings say so, the one data home all users of the machine share.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "app/data_home.h"
#include "app/settings/settings_files.h"

namespace qb {

class SettingsHome {
 public:
  SettingsHome(FileSystem& fs, Ui& ui, SystemInfo& system, FolderMover& mover,
               CloseRequest requestClose);

  // Chooses the data home and loads the environment settings; with the common-user option on in
  // the user's settings, the common data home ("QuillBoxCommonUser") and its settings instead.
  // A data home given on the command line is used as it is. Then the two smaller files are
  // loaded and the Windows version is recorded. False aborts the start (the boxes were shown).
  bool open(const std::string& logonUser, const std::optional<std::string>& givenDataHome);
  // Writes the three files back, so that keys missing from them are in the files from now on.
  // The start does it once the program takes texts (each file is flushed to the disk, which can
  // take tens of milliseconds). 0, or -1 after the box and the close request.
  int saveAtStart();

  const DataHome& home() const { return *home_; }
  // The logon user the program runs for (also in common-user mode).
  const std::string& logonUser() const { return logonUser_; }
  Settings& settings() { return files_->settings(); }
  SettingsFiles& files() { return *files_; }

  // At exit: writes the settings files. When the run used the common data home and the option
  // was switched off meanwhile, the user's own settings get it off too, so that the next start
  // uses the user's own data home again. 0, or -1 when a file could not be written.
  int saveAtExit();

 private:
  std::optional<DataHome> choose(const std::string& userName);
  std::unique_ptr<SettingsFiles> loadEnvironment(const DataHome& home);
  int switchOwnSettingsOff();

  FileSystem& fs_;
  Ui& ui_;
  SystemInfo& system_;
  FolderMover& mover_;
  CloseRequest requestClose_;
  std::string logonUser_;
  std::optional<DataHome> home_;
  std::unique_ptr<SettingsFiles> files_;
};

}  // namespace qb
