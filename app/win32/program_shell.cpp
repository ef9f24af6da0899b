// The program's side of the window: call-up, menus, the exit command, the paste host.
#include <windows.h>

#include "app/shell/about_text.h"
#include "app/shell/exit_command.h"
#include "app/shell/help_commands.h"
#include "app/shell/main_menu_model.h"
#include "app/shell/shell_commands.h"
#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_columns.h"
#include "app/win32/window_identity.h"
#include "base/numbers.h"
#include "app/data_home.h"
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/program.h"
#include "paste/paste_settings.h"
#include "platform/win32/text_conversion.h"
#include "winui/popup_menu.h"

namespace qb {
namespace {

namespace sc = shell_command;

bool CursorInNotificationArea() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND area = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  RECT rect{};
  POINT cursor{};
  return area && GetWindowRect(area, &rect) && GetCursorPos(&cursor) && PtInRect(&rect, cursor);
}

// The first version's data migration is not offered: its "補助" submenu goes.
MenuModel WithoutMigration(const MenuModel& menu) {
  std::vector<MenuEntry> entries;
  for (const MenuEntry& entry : menu.entries()) {
    bool migration = false;
    for (const MenuEntry& child : entry.children) migration |= child.command == sc::kMigrateFromV1;
    if (!migration && entry.command != sc::kMigrateFromV1) entries.push_back(entry);
  }
  return MenuModel(entries);
}

}  // namespace

void Program::startTray() {
  TrayWindowHooks hooks;
  hooks.hideWindow = [this] { window_->hide(); };
  hooks.showWindow = [this] { window_->showCalledUp(); };
  hooks.recordWorkingWindow = [this] { recordCaret(); };
  hooks.cursorInNotificationArea = [] { return CursorInNotificationArea(); };
  hooks.callUp = [this](int source) { callUp(source); };
  hooks.showMainMenu = [this] { showMainMenu(); };
  hooks.busy = [this] { return ui_.isBusy(); };
  tray_ = std::make_unique<TrayIconController>(window_->trayShell(), clock_, *window_, hooks);
  tray_->startInMode(settingsHome_->settings().environment.Tray_Flg == 1);
}

// The first task after the start: the shell's icon (its add is slow, and can be retried for
// seconds), then the window shown when there is no icon to reach the program by.
void Program::showTrayIcon() {
  tray_->addMissingIcon();
  keepReachable();
}

void Program::startPaste() {
  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  PasteHost& host = *this;
  tracker_ = std::make_unique<WorkingWindowTracker>(desktop_, host, working_);
  engine_ = std::make_unique<PasteEngine>(PastePorts{desktop_, keyboard_, clock_, ui_}, host,
                                          working_, PasteSettingsFrom(environment));
  analyzer_ = std::make_unique<MacroAnalyzer>(ui_, clock_, MacroSettings{environment.Wareki_Base});
  inputs_ = std::make_unique<Win32InputDialogRunner>(window_->handle(), ui_,
                                                     SjisToWide(environment.FontName));
  window_->list().setSingleClick(environment.OneClickFlg == 1);
}

void Program::onTrackingTick() {
  if (!tracker_ || ui_.isBusy() || (engine_ && engine_->isPasting())) return;
  tracker_->track();
  updateStatusBar();
}

// The five panes, each rewritten only when its text or tip changed.
void Program::updateStatusBar() {
  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  StatusInput input;
  if (plans_) input.plan = plans_->activity();
  if (planTab_) planTab_->planStateChanged();
  input.hasWorkingWindow = working_.window != 0;
  if (input.hasWorkingWindow) input.workingTitle = desktop_.windowTitle(working_.window);
  input.shortDisplay = environment.StatusBarActiveWinDspFlg == 1;
  const bool ctrl = keyboard_.isDown(VK_CONTROL);
  input.copyMode = (environment.DIRECT_SEND == 1) == ctrl;
  if (TabView* view = window_->currentView()) {
    const TabStatus tab = view->status();
    input.selectedBytes = tab.selectedBytes;
    input.tab = view->kind();
    input.rowCount = tab.rowCount;
    input.tabMaximum = tab.maximum;
    if (window_->filtering()) input.shownRows = window_->shownRowCount();
  }
  input.partialSelection = keyboard_.isDown(VK_SHIFT);
  const StatusBarChanges changes = status_.update(input);
  for (StatusPane pane : changes.texts) {
    window_->setStatusPane(static_cast<int>(pane), status_.pane(pane).text);
  }
  for (StatusPane pane : changes.tips) {
    window_->setStatusTip(static_cast<int>(pane), status_.pane(pane).tip);
  }
}

std::string Program::workingDocumentStatus() {
  return tracker_ && working_.window != 0 ? tracker_->statusText() : std::string();
}

void Program::showMainMenu() {
  POINT where{};
  GetCursorPos(&where);
  const bool trayMode = tray_ && tray_->trayMode();
  MenuModel menu = WithoutMigration(BuildMainMenu({trayMode, hotkeys_ && hotkeys_->paused()}));
  int command = winui::TrackMenu(window_->handle(), menu, where);
  if (command != 0) onCommand(command);
}

void Program::showTab(TabView& view) {
  window_->showTab(view);
  updateStatusBar();
}

void Program::toggleAlwaysOnTop() {
  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  alwaysOnTop_ = !alwaysOnTop_;
  window_->setTopmost(alwaysOnTop_);
  window_->setToggle(0, alwaysOnTop_);
  translucencyController_->alwaysOnTopChanged(alwaysOnTop_, environment.Layered_SelectWin_Flg == 1,
                                              environment.Layered_SelectWin_Alpha);
}

void Program::toggleLink(LinkSide side) {
  const bool wasLinked = link_->linked();
  unlink();
  if (!wasLinked) {
    PasteSettings settings = PasteSettingsFrom(settingsHome_->settings().environment);
    if (link_->link(side, working_.window, settings) == 0) {
      window_->setToggle(side == LinkSide::kRight ? 1 : 2, true);
    }
  }
}

void Program::unlink() {
  link_->unlink();
  window_->setToggle(1, false);
  window_->setToggle(2, false);
}

void Program::onCommand(int command) {
  if (command == kAlwaysOnTopId) return toggleAlwaysOnTop();
  if (command == kLinkRightId) return toggleLink(LinkSide::kRight);
  if (command == kLinkBottomId) return toggleLink(LinkSide::kBottom);
  if (command == kMainMenuButtonId) return showMainMenu();
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  const std::string programFolder = ProgramFolderOf(system_.programFilePath());
  switch (command) {
    case sc::kTrayToggle:
      tray_->toggleTrayMode();
      environment.Tray_Flg = tray_->trayMode() ? 1 : 0;
      keepReachable();
      break;
    case sc::kSettings:
      SettingsCommand(ui_, [this] { openSettingsSheet(); })
          .run(/*planEditedOrRunning=*/plans_ && plans_->planBusy());
      break;
    case sc::kHelp: HelpCommands(shell_, ui_, programFolder).openHelp(); break;
    case sc::kPlanHelp: HelpCommands(shell_, ui_, programFolder).openPlanHelp(); break;
    case sc::kAbout:
      ui_.showMessage(AboutText(settingsHome_->home().folder), MessageIcon::kInformation);
      break;
    case sc::kSuspendHotkeys: hotkeys_->togglePause(); break;
    case sc::kExit: exitCommand(); break;
    default: break;
  }
}

void Program::exitCommand() {
  ExitCommand exit(ui_, {[this] { window_->hide(); },
                         [this] { callUp(call_up_source::kTray); },
                         [this] { window_->requestClose(); }});
  exit.run(settingsHome_->settings().environment.END_MSG);
}

bool Program::isOwnWindow(WindowId window) {
  DWORD process = 0;
  GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process);
  return process == GetCurrentProcessId();
}

WindowId Program::mainWindow() { return reinterpret_cast<WindowId>(window_->handle()); }

int Program::putTextOnClipboard(std::string_view text) {
  return capture_->putTextOnClipboard(text, /*takeIntoHistory=*/false);
}

int Program::putExactTextOnClipboard(std::string_view text, std::string_view exact) {
  return capture_->putExactTextOnClipboard(text, exact, /*takeIntoHistory=*/false);
}

void Program::leaveLinkAndRefresh() {
  alwaysOnTop_ = false;
  window_->setToggle(0, false);
  window_->setTopmost(false);
  unlink();
  refreshList();
}

bool Program::runPartialSelection(PartialSelectionModel& model) {
  return RunPartialSelectionDialog(window_->handle(), ui_,
                                   SjisToWide(settingsHome_->settings().environment.FontName),
                                   model);
}

void Program::storePastedValue(std::string_view value, bool partial) {
  storePastedExactValue(value, {}, partial);
}

void Program::storePastedExactValue(std::string_view value, std::string_view exact, bool partial) {
  TabView* view = window_->currentView();
  capture_->onValuePasted(view ? view->kind() : TabKind::kHistory, partial, value, exact);
  refreshList();
}

}  // namespace qb
