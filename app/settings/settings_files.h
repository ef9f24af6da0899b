// The settings object and its three files in one data home: "quillbox2.dat" (environment),
// "quillboxtxt.dat" (related files) and "quillboxplan.dat" (plan hotkeys).
//
// The program makes one when it has chosen the data home (and made sure it exists), loads the
// environment file and, after the common-user decision, the two others, saves all three right
// after loading and again at exit.
#pragma once
#include <string>
#include <string_view>

#include "app/settings/settings.h"
#include "app/settings/settings_file.h"
#include "platform/file_system.h"
#include "platform/system_info.h"
#include "platform/ui.h"

namespace qb {

inline constexpr std::string_view kEnvironmentFileName = "quillbox2.dat";
inline constexpr std::string_view kRelatedFilesFileName = "quillboxtxt.dat";
inline constexpr std::string_view kPlanHotkeysFileName = "quillboxplan.dat";

class SettingsFiles {
 public:
  // `dataHome` ends in a backslash. Every field starts at its default (the screen-size dependent
  // ones from `system`).
  SettingsFiles(FileSystem& fs, Ui& ui, SystemInfo& system, std::string_view dataHome,
                CloseRequest requestClose);
  SettingsFiles(const SettingsFiles&) = delete;
  SettingsFiles& operator=(const SettingsFiles&) = delete;

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }

  // quillbox2.dat: 0, or -1 when it cannot be read or is from a newer release (start aborted).
  int loadEnvironment() { return environment_.load(); }
  // quillboxtxt.dat and quillboxplan.dat; a file that fails keeps its defaults and is not
  // written back. 0, or -1 when either failed.
  int loadCompanions();
  // All three: the environment file first, then, when it loaded, the two others.
  int load();

  // Writes every file that was loaded and may be written. 0, or -1 when any write failed.
  int save();

  SettingsFile& environmentFile() { return environment_; }
  SettingsFile& relatedFilesFile() { return relatedFiles_; }
  SettingsFile& planHotkeysFile() { return planHotkeys_; }

 private:
  Settings settings_;
  SettingsFile environment_;
  SettingsFile relatedFiles_;
  SettingsFile planHotkeys_;
};

}  // namespace qb
