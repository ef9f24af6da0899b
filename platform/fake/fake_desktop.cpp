#include "platform/fake/fake_desktop.h"

namespace qb {

FakeDesktop::FakeDesktop(FakeClock& clock) : clock_(clock) {}

void FakeDesktop::note(const std::string& what) {
  log_.push_back(std::to_string(clock_.milliseconds()) + " " + what);
}

void FakeDesktop::addWindow(WindowId id, FakeWindow window) { windows_[id] = std::move(window); }

std::string FakeDesktop::windowTitle(WindowId window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? std::string() : found->second.title;
}

std::string FakeDesktop::windowClassName(WindowId window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? std::string() : found->second.className;
}

std::optional<ScreenRect> FakeDesktop::windowRect(WindowId window) {
  auto found = windows_.find(window);
  if (found == windows_.end()) return std::nullopt;
  return found->second.rect;
}

bool FakeDesktop::isResizable(WindowId window) {
  auto found = windows_.find(window);
  return found != windows_.end() && found->second.resizable;
}

bool FakeDesktop::activate(WindowId window) {
  if (refusedActivations_ > 0 || windows_.count(window) == 0) {
    if (refusedActivations_ > 0) --refusedActivations_;
    note("activate-refused " + std::to_string(window));
    return false;
  }
  note("activate " + std::to_string(window));
  if (activationDelay_ > 0) {
    pendingForeground_ = window;
    pendingSince_ = clock_.milliseconds();
  } else {
    foreground_ = window;
  }
  return true;
}

WindowId FakeDesktop::foregroundWindow() {
  if (pendingForeground_ != 0 && clock_.milliseconds() >= pendingSince_ + activationDelay_) {
    foreground_ = pendingForeground_;
    pendingForeground_ = 0;
  }
  return foreground_;
}

ThreadId FakeDesktop::windowThread(WindowId window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? 0 : found->second.thread;
}

bool FakeDesktop::attachInput(ThreadId from, ThreadId to, bool attach) {
  if (attach && (refuseAttach_ || from == to)) {
    note("attach-refused " + std::to_string(from) + "->" + std::to_string(to));
    return false;
  }
  note(std::string(attach ? "attach " : "detach ") + std::to_string(from) + "->" +
       std::to_string(to));
  if (attach) {
    attached_[{from, to}] = true;
  } else {
    attached_.erase({from, to});
    attached_.erase({to, from});
  }
  return true;
}

void FakeDesktop::setFocus(WindowId window) {
  note("focus " + std::to_string(window));
  if (lostFocusRequests_ > 0) {
    --lostFocusRequests_;
    return;
  }
  focus_ = window;
}

void FakeDesktop::restore(WindowId window) {
  note("restore " + std::to_string(window));
  if (windows_.count(window)) windows_[window].restored = true;
}

void FakeDesktop::move(WindowId window, const ScreenRect& rect) {
  note("move " + std::to_string(window) + " " + std::to_string(rect.left) + "," +
       std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
       std::to_string(rect.bottom));
  if (windows_.count(window)) windows_[window].rect = rect;
}

void FakeDesktop::show(WindowId window, bool visible) {
  note(std::string(visible ? "show " : "hide ") + std::to_string(window));
  if (windows_.count(window)) windows_[window].visible = visible;
}

void FakeDesktop::raise(WindowId window) { note("raise " + std::to_string(window)); }

void FakeDesktop::setTopmost(WindowId window, bool topmost) {
  note(std::string(topmost ? "topmost " : "not-topmost ") + std::to_string(window));
  if (windows_.count(window)) windows_[window].topmost = topmost;
}

}  // namespace qb
