#include "app/win32/program.h"

#include "app/win32/command_line.h"
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
      [this] { onClipboardChanged(); },
      [this] { onClosing(); }});
  store_ = std::make_unique<HistoryItemStore>(fs_, clock_, ui_, home.folder, home.userName,
                                              [this] { window_->requestClose(); });
  if (store_->open() != 0) return false;
  if (!window_->create(instance)) return false;
  ui_.setOwner(window_->handle());
  planInterface_.m_hHostWnd = window_->handle();
  clipboard_ = std::make_unique<Win32Clipboard>(window_->handle());
  capture_ = std::make_unique<ClipboardCapture>(*clipboard_, clock_, ui_, *store_);
  capture_->setStopped(settingsHome_->settings().environment.RirekiStop == 1);
  capture_->setViewReady(true);
  return true;
}

// The ordered end: nothing more is captured, and the settings files are written.
void Program::onClosing() {
  if (capture_) capture_->setViewReady(false);
  if (settingsHome_) settingsHome_->saveAtExit();
}

void Program::onClipboardChanged() {
  if (capture_) capture_->onClipboardChanged(kOwnStoreLabel);
}

}  // namespace qb
