#include "hotkeys/hotkey_controller.h"

#include "app/shell/call_up_placement.h"
#include "base/records.h"

namespace qb {
namespace {

// The Save, Plan and Stack tabs switch to the row's group; the others only show.
bool HasGroups(TabKind kind) {
  return kind == TabKind::kSave || kind == TabKind::kPlan || kind == TabKind::kStack;
}

// One to three decimal digits and nothing else; -1 otherwise.
int SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 3) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "MouseHook4:::group:::index" with a group 0..9 and an index 0..99.
bool ParsePlanChoice(std::string_view text, int& group, int& index) {
  const std::vector<std::string> fields = SplitFields(text);
  if (fields.size() != 3 || fields[0] != "MouseHook4") return false;
  group = SmallNumber(fields[1]);
  index = SmallNumber(fields[2]);
  return group >= 0 && group < kPlanMenuGroupCount && index >= 0 && index < kPlansPerGroup;
}

}  // namespace

HotkeyController::HotkeyController(HotkeyParts parts)
    : parts_(parts),
      registration_(parts.registrar, parts.ui),
      detector_(parts.clock, parts.keyboard),
      installer_(parts.hooks, parts.catalog) {}

// A pause taken before the start (the window takes commands while the rest of the program
// starts) holds: the hooks stay off until it ends.
void HotkeyController::start(WindowId mainWindow) {
  registerAll();
  installer_.start(mainWindow);
  if (!paused_) installHooks();
  started_ = true;
  parts_.timers.start(frame_timer::kDoubleTap, kDoubleTapFirstTickMilliseconds);
}

void HotkeyController::registerAll() {
  registration_.registerMulti(MultiHotkeysFrom(parts_.environment));
  if (parts_.environment.Plan_Enable == 1) {
    registration_.registerPlan(parts_.planHotkeys);
  } else {
    registration_.unregisterPlan();
  }
}

void HotkeyController::installHooks() {
  installer_.install(HookSwitchesFrom(parts_.environment, true), parts_.environment.PlanDir_Ar);
}

void HotkeyController::stop() {
  installer_.remove();
  started_ = false;
  for (int timer : {frame_timer::kDoubleTap, frame_timer::kMouseCallUp, frame_timer::kPlanMenuRun}) {
    parts_.timers.stop(timer);
  }
}

void HotkeyController::unregisterAll() {
  registration_.unregisterMulti();
  registration_.unregisterPlan();
}

void HotkeyController::settingsChanged() {
  registerAll();
  if (!paused_) installHooks();
}

void HotkeyController::togglePause() {
  paused_ = !paused_;
  if (paused_) {
    installer_.remove();
  } else if (started_) {
    installHooks();
  }
}

bool HotkeyController::hotkeysBlocked() {
  return paused_ || planStopped_ || parts_.host.busy() || parts_.host.occupied();
}

void HotkeyController::onHotkey(int id) {
  if (hotkeysBlocked()) return;
  const int multi = registration_.multiSlotOf(id);
  if (multi >= 0) return callUpMultiHotkey(multi);
  const int plan = registration_.planSlotOf(id);
  if (plan < 0) return;
  const auto slot = static_cast<std::size_t>(plan);
  planRuns_->runPlanOfHotkey(plan, parts_.planHotkeys.PlanHotKeyGroup[slot],
                             parts_.planHotkeys.PlanHotKeyFileName[slot]);
}

void HotkeyController::callUpMultiHotkey(int slot) {
  if (slot < 0 || slot >= kMultiHotkeyCount) return;
  const MultiHotkey hotkey = MultiHotkeysFrom(parts_.environment)[static_cast<std::size_t>(slot)];
  CallUpHost& host = parts_.host;
  host.callUp(call_up_source::kHotkey, hotkey.link == 1);
  if (hotkey.tabKind < 1 || hotkey.tabKind > kTabKindCount) return;
  const auto kind = static_cast<TabKind>(hotkey.tabKind);
  if (!host.tabShown(kind)) return;
  if (kind == TabKind::kRelated) return host.selectRelatedTab(hotkey.tabKindNo);
  host.selectTab(kind);
  if (!HasGroups(kind) || hotkey.group < 1 || hotkey.group > kPlanMenuGroupCount) return;
  if (hotkey.group - 1 != host.currentGroup(kind)) host.selectGroup(kind, hotkey.group - 1);
}

bool HotkeyController::onTimer(int id) {
  switch (id) {
    case frame_timer::kDoubleTap: onDoubleTapTick(); return true;
    case frame_timer::kMouseCallUp: onMouseCallUp(); return true;
    case frame_timer::kPlanMenuRun: onPlanMenuRun(); return true;
    default: return false;
  }
}

// The tick stops its timer while it polls (the polls dispatch messages) and starts it again at
// 10 ms when it is done.
void HotkeyController::onDoubleTapTick() {
  parts_.timers.stop(frame_timer::kDoubleTap);
  CallUpHost& host = parts_.host;
  if (!hotkeysBlocked() && !host.mainWindowInFront()) {
    const int slot = detector_.tick(MultiHotkeysFrom(parts_.environment));
    if (slot >= 0 && !hotkeysBlocked()) callUpMultiHotkey(slot);
  }
  if (started_) parts_.timers.start(frame_timer::kDoubleTap, kDoubleTapPollMilliseconds);
}

void HotkeyController::onMouseCallUp() {
  parts_.timers.stop(frame_timer::kMouseCallUp);
  // A report the hooks sent just before they were removed calls nothing up either.
  if (paused_ || parts_.host.busy() || parts_.host.occupied()) return;
  parts_.host.callUp(call_up_source::kMousePosition, false);
}

void HotkeyController::onPlanMenuRun() {
  parts_.timers.stop(frame_timer::kPlanMenuRun);
  int group = 0;
  int index = 0;
  if (!ParsePlanChoice(planChoice_, group, index)) return;
  parts_.environment.PlanMenuNowGroup = group;
  planRuns_->runPlanFromMenu(group, index, installer_.planFileAt(group, index).value_or(""));
}

void HotkeyController::onClickElsewhere() {
  CallUpHost& host = parts_.host;
  if (host.mainWindowShown() && parts_.environment.NoActClose == 1 &&
      !host.pointerOverMainWindow() && !host.busy()) {
    host.letGo();
  }
}

void HotkeyController::onEdgeArrival() {
  CallUpHost& host = parts_.host;
  if (!host.mainWindowInFront() && !host.busy() && !host.occupied()) host.recordCaret();
}

void HotkeyController::setHistoryCapture(bool on) {
  int& stopped = parts_.environment.RirekiStop;
  if (on && stopped == 1) {
    stopped = 0;
    parts_.host.resumeCapture();
  } else if (!on && stopped == 0) {
    stopped = 1;
  }
}

void HotkeyController::addCopyDataEntries(CopyDataRouter& router) {
  router.addText("MouseHook", [this](std::string_view) {
    parts_.timers.start(frame_timer::kMouseCallUp, kMouseCallUpMilliseconds);
  });
  router.addText("MouseHook2", [this](std::string_view) { onEdgeArrival(); });
  router.addText("MouseHook3", [this](std::string_view) { onClickElsewhere(); });
  router.addPrefix("MouseHook4", [this](std::string_view text) {
    planChoice_ = std::string(text.substr(0, 64));
    parts_.timers.start(frame_timer::kPlanMenuRun, kPlanMenuRunMilliseconds);
  });
  router.addText("1234HistoryGetOFF", [this](std::string_view) { setHistoryCapture(false); });
  router.addText("1234HistoryGetON", [this](std::string_view) { setHistoryCapture(true); });
  router.addText("0927Plan_HotKeyStop", [this](std::string_view) { planStopped_ = true; });
  router.addText("0927Plan_HotKeyStart", [this](std::string_view) { planStopped_ = false; });
}

}  // namespace qb
