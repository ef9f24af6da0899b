#include "app/win32/program.h"

#include "app/win32/command_line.h"
#include "app/win32/shell_folder_mover.h"
#include "app/win32/single_instance.h"
#include "history/history_record.h"
#include "hooklib/qlbxhook.h"

namespace qb {

Program::Program() : ui_("Quillbox") {}

int Program::run(HINSTANCE instance) {
  if (!AcquireSingleInstance()) {
    ui_.showMessage(kAlreadyRunningMessage, MessageIcon::kExclamation);
    return 0;
  }
  if (!start(instance)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

std::optional<DataHome> Program::chooseDataHome() {
  std::string userName = ResolveUserName(system_.userName());
  CommandLineOptions options = ParseCommandLine();
  if (options.dataHome) return DataHomeAt(system_, *options.dataHome, userName);
  ShellFolderMover mover;
  return ChooseDataHome(system_, fs_, ui_, mover, userName);
}

// The three settings files: loaded, and written back at once so that keys missing from them are
// in the files from now on. A settings file that cannot be read, or that a newer release wrote,
// aborts the start.
bool Program::loadSettings() {
  settings_ = std::make_unique<SettingsFiles>(fs_, ui_, system_, home_->folder, [this] {
    if (window_) window_->requestClose();
  });
  if (settings_->loadEnvironment() != 0) return false;
  settings_->loadCompanions();  // a companion that fails keeps its defaults; its box was shown
  WindowsVersion version = system_.windowsVersion();
  settings_->settings().environment.WinVer = version.major;
  settings_->settings().environment.WinVerMinor = version.minor;
  // No window yet to take a close request: a file that cannot be written ends the start here.
  return settings_->save() == 0;
}

bool Program::start(HINSTANCE instance) {
  home_ = chooseDataHome();
  if (!home_ || EnsureDataHomeExists(fs_, ui_, *home_) != 0) return false;
  if (!loadSettings()) return false;
  HookInitProc();
  ui_.setBusyChangedHook([](bool busy) { HookPlanMenuStop(busy ? 1 : 0); });

  window_ = std::make_unique<MainWindow>(MainWindow::Handlers{
      [this] { onClipboardChanged(); },
      [this] { onClosing(); }});
  store_ = std::make_unique<HistoryItemStore>(fs_, clock_, ui_, home_->folder, home_->userName,
                                              [this] { window_->requestClose(); });
  if (store_->open() != 0) return false;
  if (!window_->create(instance)) return false;
  ui_.setOwner(window_->handle());
  planInterface_.m_hHostWnd = window_->handle();
  clipboard_ = std::make_unique<Win32Clipboard>(window_->handle());
  capture_ = std::make_unique<ClipboardCapture>(*clipboard_, clock_, ui_, *store_);
  capture_->setStopped(settings_->settings().environment.RirekiStop == 1);
  capture_->setViewReady(true);
  return true;
}

// The ordered end: nothing more is captured, and the settings files are written.
void Program::onClosing() {
  if (capture_) capture_->setViewReady(false);
  if (settings_) settings_->save();
}

void Program::onClipboardChanged() {
  if (capture_) capture_->onClipboardChanged(kOwnStoreLabel);
}

}  // namespace qb
