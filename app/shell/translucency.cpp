#include "app/shell/translucency.h"

#include <algorithm>
#include <utility>

namespace qb {

TranslucencyController::TranslucencyController(Translucency& library, ShellTimers& timers,
                                               WindowId window, std::function<void()> redraw)
    : library_(library), timers_(timers), window_(window), redraw_(std::move(redraw)) {}

void TranslucencyController::alwaysOnTopChanged(bool alwaysOnTop, bool optionOn, int alpha) {
  if (alwaysOnTop) {
    if (!optionOn) return;
    alpha_ = std::clamp(alpha, 0, kFullOpacity);
    layered_ = true;
    lowered_ = false;
    library_.setLayered(window_, true);
    library_.setOpacity(window_, kFullOpacity);
    if (!active_) timers_.start(frame_timer::kTranslucency, kTranslucencyDelayMilliseconds);
    return;
  }
  layered_ = false;
  lowered_ = false;
  library_.setLayered(window_, false);
  if (redraw_) redraw_();
  timers_.stop(frame_timer::kTranslucency);
}

void TranslucencyController::activationChanged(bool active) {
  active_ = active;
  if (!layered_) return;
  if (!active) {
    timers_.start(frame_timer::kTranslucency, kTranslucencyDelayMilliseconds);
    return;
  }
  timers_.stop(frame_timer::kTranslucency);
  if (lowered_) library_.setOpacity(window_, kFullOpacity);
  lowered_ = false;
}

bool TranslucencyController::onTimer(int id) {
  if (id != frame_timer::kTranslucency) return false;
  timers_.stop(frame_timer::kTranslucency);
  if (layered_ && !active_ && !lowered_) {
    library_.setOpacity(window_, alpha_);
    lowered_ = true;
  }
  return true;
}

}  // namespace qb
