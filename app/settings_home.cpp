#include "app/settings_home.h"

namespace qb {

SettingsHome::SettingsHome(FileSystem& fs, Ui& ui, SystemInfo& system, FolderMover& mover,
                           CloseRequest requestClose)
    : fs_(fs), ui_(ui), system_(system), mover_(mover), requestClose_(std::move(requestClose)) {}

std::optional<DataHome> SettingsHome::choose(const std::string& userName) {
  std::optional<DataHome> home = ChooseDataHome(system_, fs_, ui_, mover_, userName);
  if (!home || EnsureDataHomeExists(fs_, ui_, *home) != 0) return std::nullopt;
  return home;
}

std::unique_ptr<SettingsFiles> SettingsHome::loadEnvironment(const DataHome& home) {
  auto files = std::make_unique<SettingsFiles>(fs_, ui_, system_, home.folder, requestClose_);
  if (files->loadEnvironment() != 0) return nullptr;
  return files;
}

bool SettingsHome::open(const std::string& logonUser,
                        const std::optional<std::string>& givenDataHome) {
  logonUser_ = logonUser;
  home_ = givenDataHome ? std::optional(DataHomeAt(system_, *givenDataHome, logonUser))
                        : choose(logonUser);
  if (!home_ || (givenDataHome && EnsureDataHomeExists(fs_, ui_, *home_) != 0)) return false;
  files_ = loadEnvironment(*home_);
  if (!files_) return false;
  if (!givenDataHome && settings().environment.CommonUserFlg == 1) {
    home_ = choose(std::string(kCommonUserName));
    if (!home_) return false;
    files_ = loadEnvironment(*home_);
    if (!files_) return false;
    // The run is in common-user mode by the user's choice, also when the shared home is new.
    settings().environment.CommonUserFlg = 1;
  }
  files_->loadCompanions();  // a file that fails keeps its defaults; its box was shown
  WindowsVersion version = system_.windowsVersion();
  settings().environment.WinVer = version.major;
  settings().environment.WinVerMinor = version.minor;
  return true;
}

int SettingsHome::saveAtStart() { return files_->save(); }

int SettingsHome::saveAtExit() {
  int result = files_->save();
  if (home_->userName == kCommonUserName && settings().environment.CommonUserFlg == 0 &&
      switchOwnSettingsOff() != 0) {
    result = -1;
  }
  return result;
}

// The user's own settings, found as the start finds them (without its move offer), get the
// common-user option off.
int SettingsHome::switchOwnSettingsOff() {
  DataHome own = DataHomeOf(system_, logonUser_);
  std::unique_ptr<SettingsFiles> ownFiles = loadEnvironment(own);
  if (!ownFiles) return -1;
  ownFiles->settings().environment.CommonUserFlg = 0;
  return ownFiles->save();
}

}  // namespace qb
