#include "app/win32/program.h"

#include "app/win32/command_line.h"
#include "app/win32/single_instance.h"
#include "history/store_folders.h"
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

bool Program::start(HINSTANCE instance) {
  // The data home and the three settings files, written back at once so that keys missing from
  // them are in the files from now on. There is no window yet to take a close request: any
  // failure here ends the start.
  settingsHome_ = std::make_unique<SettingsHome>(fs_, ui_, system_, mover_, [this] {
    if (window_) window_->requestClose();
  });
  if (!settingsHome_->open(ResolveUserName(system_.userName()), ParseCommandLine().dataHome)) {
    return false;
  }
  const DataHome& home = settingsHome_->home();
  HookInitProc();
  ui_.setBusyChangedHook([](bool busy) { HookPlanMenuStop(busy ? 1 : 0); });

  window_ = std::make_unique<MainWindow>(MainWindow::Handlers{
      [this] { if (capture_) capture_->onClipboardChanged(); },
      [this] { if (capture_) capture_->onDeferredCapture(); },
      [this] { if (capture_) capture_->onWatchdogTick(); },
      [this] { onClosing(); }});
  if (!startHistory(home)) return false;
  if (!window_->create(instance)) return false;
  ui_.setOwner(window_->handle());
  planInterface_.m_hHostWnd = window_->handle();
  clipboard_ = std::make_unique<Win32Clipboard>(window_->handle());
  capture_ = std::make_unique<CaptureController>(CaptureParts{
      *clipboard_, clock_, ui_, settingsHome_->settings().environment, *history_, *stack_,
      *this, *this, home.folder});
  capture_->setViewReady(true);
  window_->startWatchdog();
  return true;
}

// The store folders, then the History from clipsave. Before the window exists a failure ends the
// start; later failures ask the window to close.
bool Program::startHistory(const DataHome& home) {
  if (!CreateStoreFolders(fs_, ui_, home.folder)) return false;
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  history_ = std::make_unique<CHistoryList>(
      fs_, clock_, ui_, environment,
      HistoryStoreSetup{home.folder, home.userName, [this] { window_->requestClose(); }});
  stack_ = std::make_unique<StackItemWriter>(fs_, clock_, ui_);
  return history_->load(environment.MaxFile) == 0;
}

// The ordered end: nothing more is captured, the history follows its exit rules, and the
// settings files are written.
void Program::onClosing() {
  if (capture_) capture_->setViewReady(false);
  if (history_ && settingsHome_) {
    EnvironmentSettings& environment = settingsHome_->settings().environment;
    history_->trimAtExit(history_->maximumCount(), environment.MaxFile, environment.AutoSave == 1);
  }
  if (settingsHome_) settingsHome_->saveAtExit();
}

}  // namespace qb
