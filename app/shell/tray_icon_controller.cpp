#include "app/shell/tray_icon_controller.h"

#include <utility>

#include "app/shell/call_up_placement.h"

namespace qb {

TrayIconController::TrayIconController(TrayShell& shell, Clock& clock, ShellTimers& timers,
                                       TrayWindowHooks hooks)
    : shell_(shell), clock_(clock), timers_(timers), hooks_(std::move(hooks)) {}

const char* TrayIconController::trayToggleCaption() const {
  return trayMode_ ? "タスクトレイから出す" : "タスクトレイに格納";
}

TrayIconState TrayIconController::iconState() const {
  TrayIconState state;
  if (flashing_) {
    state.image = lanPublishing_ ? tray_image::kCaptureFlashLanPublish : tray_image::kCaptureFlash;
  } else {
    state.image = lanPublishing_ ? tray_image::kLanPublish : tray_image::kNormal;
  }
  state.tip = lanPublishing_ ? "Quillbox 【LAN公開中】" : "Quillbox";
  return state;
}

bool TrayIconController::addIcon() {
  for (int attempt = 1; attempt <= kTrayAddTries; ++attempt) {
    if (shell_.add(iconState())) return iconPresent_ = true;
    if (attempt < kTrayAddTries) clock_.pumpWait(kTrayAddRetryMilliseconds);
  }
  return iconPresent_ = false;  // the program goes on without an icon
}

void TrayIconController::removeIcon() {
  if (!iconPresent_) return;
  for (int attempt = 1; attempt <= kTrayRemoveTries; ++attempt) {
    if (shell_.remove()) break;
    if (attempt < kTrayRemoveTries) clock_.pumpWait(kTrayRemoveRetryMilliseconds);
  }
  iconPresent_ = false;
}

void TrayIconController::refresh() {
  if (trayMode_ && iconPresent_) shell_.modify(iconState());
}

void TrayIconController::setTrayMode(bool on) {
  if (on == trayMode_) return;
  trayMode_ = on;
  if (on) {
    if (hooks_.hideWindow) hooks_.hideWindow();
    hiddenInTray_ = true;
    addIcon();
  } else {
    hiddenInTray_ = false;
    if (hooks_.showWindow) hooks_.showWindow();
    removeIcon();
  }
}

void TrayIconController::startInMode(bool trayMode) {
  trayMode_ = trayMode;
  hiddenInTray_ = trayMode;
}

void TrayIconController::addMissingIcon() {
  if (trayMode_ && !iconPresent_) addIcon();
}

void TrayIconController::windowShown() {
  if (!trayMode_) return;
  hiddenInTray_ = false;
  refresh();
}

void TrayIconController::windowHidden() {
  if (!trayMode_) return;
  hiddenInTray_ = true;
  refresh();
}

void TrayIconController::setLanPublishing(bool running) {
  if (running == lanPublishing_) return;
  lanPublishing_ = running;
  refresh();
}

void TrayIconController::flashCapture() {
  if (!trayMode_ || !iconPresent_) return;
  // In a burst of captures the icon shows the capture image already: the flash only lasts
  // longer. Each change of the icon is a call into the shell's process, which waits for it.
  if (!flashing_) {
    flashing_ = true;
    refresh();
  }
  timers_.start(frame_timer::kCaptureFlash, kCaptureFlashMilliseconds);
}

void TrayIconController::onMouseMessage(std::uint32_t mouseMessage) {
  const bool busy = hooks_.busy && hooks_.busy();
  switch (mouseMessage) {
    case tray_mouse::kMove:
      if (hoverMark_) return;
      hoverMark_ = true;
      if (hooks_.recordWorkingWindow) hooks_.recordWorkingWindow();
      timers_.start(frame_timer::kTrayHover, kTrayHoverMilliseconds);
      return;
    case tray_mouse::kLeftUp:
      if (!busy && hooks_.callUp) hooks_.callUp(call_up_source::kTray);
      return;
    case tray_mouse::kRightUp:
      if (!busy && hooks_.showMainMenu) hooks_.showMainMenu();
      return;
    default:
      return;
  }
}

bool TrayIconController::onTimer(int id) {
  if (id == frame_timer::kTrayHover) {
    if (hooks_.cursorInNotificationArea && hooks_.cursorInNotificationArea()) return true;
    hoverMark_ = false;
    timers_.stop(frame_timer::kTrayHover);
    return true;
  }
  if (id == frame_timer::kCaptureFlash) {
    timers_.stop(frame_timer::kCaptureFlash);
    flashing_ = false;
    refresh();
    return true;
  }
  return false;
}

void TrayIconController::onTaskbarCreated() {
  if (trayMode_) addIcon();
}

}  // namespace qb
