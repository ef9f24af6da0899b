// The program's side of the hotkeys and the hook reports: the controller's start, the call-up
// with its placement, the tab and group a hotkey asks for, and the let-go. Ordinary mode, and
// tray mode without an icon, keep the window reachable through a taskbar button.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/program.h"
#include "hotkeys/win32/hotkey_dialogs.h"
#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

HWND RootUnderCursor() {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return nullptr;
  HWND under = WindowFromPoint(cursor);
  return under ? GetAncestor(under, GA_ROOT) : nullptr;
}

}  // namespace

// Made as soon as the window exists: the window takes commands ("ホットキーの一時停止" among
// them) while the rest of the program starts.
void Program::createHotkeys() {
  Settings& settings = settingsHome_->settings();
  registrar_ = std::make_unique<Win32HotkeyRegistrar>(window_->handle());
  CallUpHost& host = *this;
  // The plan menu lists each group as the Plan tab does, and a change of a group reaches it.
  hotkeys_ = std::make_unique<HotkeyController>(
      HotkeyParts{clock_, keyboard_, ui_, *window_, *registrar_, hookLibrary_,
                  planTab_->directory(), settings.environment, settings.planHotkeys, host});
  hotkeys_->setPlanRuns(planTab_->routes());
  planTab_->directory().changed = [this](int) { hotkeys_->planMenuChanged(); };
  planTab_->list().hotkeysChanged = [this] { hotkeys_->settingsChanged(); };
  hotkeys_->addCopyDataEntries(copyData_);
}

void Program::startHotkeys() {
  hotkeys_->start(reinterpret_cast<WindowId>(window_->handle()));
  addKeySettingsToSheet();
}

// The buttons of the settings sheet's "キー設定" page. The multi hotkeys are settings of
// quillbox2.dat and go into the sheet's working copy (OK keeps them, and the hotkeys are then
// registered again); the plan hotkeys are quillboxplan.dat's and are taken at once.
void Program::addKeySettingsToSheet() {
  sheetCommands_[SheetCommand::kMultiHotkeys] = [this](SettingsSheetModel& working, HWND sheet) {
    Settings& settings = working.workingSettings();
    MultiHotkeyDialogModel model(MultiHotkeysFrom(settings.environment), hotkeys_->registration(), ui_);
    const GroupNames names = GroupNamesFrom(settings.environment, settings.relatedFiles);
    const std::wstring font = SjisToWide(settings.environment.FontName);
    if (RunMultiHotkeyDialog(sheet, ui_, font, model, names)) {
      StoreMultiHotkeys(model.rows(), settings.environment);
    }
  };
  sheetCommands_[SheetCommand::kPlanHotkeys] = [this](SettingsSheetModel&, HWND sheet) {
    Settings& settings = settingsHome_->settings();
    if (settings.environment.Plan_Enable != 1) return;
    PlanHotkeyListModel model(settings.planHotkeys, planTab_->directory(),
                              settings.environment.PlanDir_Ar, hotkeys_->registration(), ui_);
    if (RunPlanHotkeyListDialog(sheet, ui_, SjisToWide(settings.environment.FontName), model)) {
      hotkeys_->settingsChanged();
      planTab_->list().refreshUses();
    }
  };
  settingsApplied_.push_back([this](const SettingsApply& apply) {
    if (hotkeys_ && (apply.hotkeys || apply.hooks)) hotkeys_->settingsChanged();
  });
}

void Program::keepReachable() {
  const bool inTray = tray_ && tray_->trayMode() && tray_->iconPresent();
  window_->setTaskbarButton(!inTray);
  if (!inTray && !IsWindowVisible(window_->handle())) window_->showCalledUp();
}

// Places the window for the source and shows it in the topmost band: restored first when it
// was minimised, linked when the hotkey asks for it, and always on top when it was hidden and
// the settings ask for that on this kind of call-up.
void Program::callUp(int source, bool link) {
  const HWND main = window_->handle();
  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  const bool wasHidden = !IsWindowVisible(main) || IsIconic(main);
  if (IsIconic(main)) ShowWindow(main, SW_SHOWNOACTIVATE);
  if (CallUpRecordsFocus(source)) recordCaret();
  RECT window{};
  GetWindowRect(main, &window);
  RECT screen{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  POINT cursor{};
  GetCursorPos(&cursor);
  CallUpInput input;
  input.source = source;
  input.alwaysOnTop = alwaysOnTop_;
  input.linked = link_ && link_->linked();
  input.window = ToScreenRect(window);
  input.hotkeyPlacement = environment.AutoDspWin_HotKey == 1 ? environment.AutoDspWin_HotKey_Bs : 0;
  input.cursor = {cursor.x, cursor.y};
  input.screen = ToScreenRect(screen);
  if (caretWindow_ == working_.window) input.caret = caret_;
  input.currentRowOffset = currentRowOffset(window);
  if (working_.window != 0) {
    RECT working{};
    if (GetWindowRect(reinterpret_cast<HWND>(working_.window), &working)) {
      input.workingWindow = ToScreenRect(working);
    }
  }
  if (std::optional<ScreenRect> target = placement_.place(input, clock_)) {
    window_->moveTo({target->left, target->top, target->right, target->bottom});
  }
  capture_->windowPlaced();
  window_->showCalledUp();
  if (tray_) tray_->windowShown();
  if (link && link_ && !link_->linked()) toggleLink(LinkSide::kRight);
  const bool alwaysShown = source == call_up_source::kHotkey ? environment.DispOnlyHotKey == 1
                           : source == call_up_source::kTray ? environment.DispOnly == 1
                                                             : environment.DispOnlyMouse == 1;
  if (wasHidden && alwaysShown && !alwaysOnTop_) toggleAlwaysOnTop();
}

// From the window's top to the top of the list's current row (or of the list).
int Program::currentRowOffset(const RECT& window) {
  const HWND list = window_->list().handle();
  RECT rect{};
  if (!list || !GetWindowRect(list, &rect)) return 0;
  const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  RECT item{};
  if (row >= 0 && ListView_GetItemRect(list, row, &item, LVIR_BOUNDS)) {
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    if (item.top >= rect.top && item.top < rect.bottom) rect.top = item.top;
  }
  return rect.top - window.top;
}

bool Program::mainWindowInFront() { return GetForegroundWindow() == window_->handle(); }

bool Program::mainWindowShown() {
  return IsWindowVisible(window_->handle()) && !IsIconic(window_->handle());
}

bool Program::pointerOverMainWindow() { return RootUnderCursor() == window_->handle(); }

bool Program::occupied() { return closing_ || (engine_ && engine_->isPasting()); }

TabView* Program::enabledView(TabKind kind, int number) {
  for (const auto& view : tabViews_) {
    if (view->kind() != kind) continue;
    if (number-- == 0) return view->enabled() ? view.get() : nullptr;
  }
  return nullptr;
}

bool Program::tabShown(TabKind kind) {
  if (kind != TabKind::kRelated) return enabledView(kind) != nullptr;
  for (const auto& view : tabViews_) {
    if (view->kind() == kind && view->enabled()) return true;
  }
  return false;
}

void Program::selectTab(TabKind kind) {
  if (TabView* view = enabledView(kind)) showTab(*view);
}

int Program::currentGroup(TabKind kind) {
  TabView* view = enabledView(kind);
  return view ? view->currentGroup() : -1;
}

void Program::selectGroup(TabKind kind, int group) {
  TabView* view = enabledView(kind);
  if (!view) return;
  view->selectGroup(group);
  window_->applyColours();
  refreshList();
}

void Program::selectRelatedTab(int number) {
  if (TabView* view = enabledView(TabKind::kRelated, number)) showTab(*view);
}

// In tray mode the window goes back behind its icon; otherwise it keeps its taskbar button. A
// window kept on top ("常に表示") or linked beside the working window stays where it is.
void Program::letGo() {
  if (alwaysOnTop_ || (link_ && link_->linked())) return;
  if (tray_ && tray_->trayMode() && tray_->iconPresent()) {
    window_->hide();
    tray_->windowHidden();
  } else {
    window_->minimize();
  }
}

// A plan that pastes runs with the window let go and the working window in front again, as a
// paste does: the plan's own activation must not find the notification area in front.
void Program::letGoForPlanRun() {
  letGo();
  if (working_.window != 0) desktop_.activate(working_.window);
}

void Program::recordCaret() {
  if (!tracker_) return;
  tracker_->track();
  caret_ = tracker_->recordFocus();
  caretWindow_ = working_.window;
}

void Program::resumeCapture() {
  if (capture_) capture_->rejoinChain();
}

}  // namespace qb
