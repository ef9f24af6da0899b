#include "app/win32/program.h"

#include "app/shell/instance_identity.h"
#include "app/win32/command_line.h"
#include "app/win32/single_instance.h"
#include "history/store_folders.h"
#include "platform/win32/text_conversion.h"

namespace qb {

Program::Program() : ui_("Quillbox") {}
Program::~Program() = default;

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
  const DateTime startedAt = clock_.localNow();
  // The data home and the three settings files. There is no window yet to take a close request:
  // any failure here ends the start. The files are written back once the program takes texts.
  settingsHome_ = std::make_unique<SettingsHome>(fs_, ui_, system_, mover_, [this] {
    if (window_) window_->requestClose();
  });
  if (!settingsHome_->open(ResolveUserName(system_.userName()), ParseCommandLine().dataHome)) {
    return false;
  }
  const DataHome& home = settingsHome_->home();
  instanceIdentity_ = MakeInstanceIdentity(system_, clock_);
  if (std::optional<std::string> failure = translucency_.load(system_.windowsVersion())) {
    ui_.showMessage(*failure, MessageIcon::kStop);
    return false;
  }
  ui_.setBusyChangedHook([this](bool busy) { if (hotkeys_) hotkeys_->busyChanged(busy); });

  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  window_ = std::make_unique<MainWindow>(windowHandlers(), SjisToWide(environment.FontName));
  if (!startHistory(home)) return false;
  const RECT placement{environment.WIN_SIZE_L, environment.WIN_SIZE_T, environment.WIN_SIZE_W,
                       environment.WIN_SIZE_H};
  if (!window_->create(instance, placement)) return false;
  ui_.setOwner(window_->handle());
  createHotkeys();
  clipboard_ = std::make_unique<Win32Clipboard>(window_->handle());
  CaptureHandOffs& handOffs = *this;
  ClipboardChain& chain = *this;
  capture_ = std::make_unique<CaptureController>(CaptureParts{
      *clipboard_, clock_, ui_, environment, *history_, *stack_, handOffs, chain, home.folder});
  startPaste();
  const WindowId mainId = reinterpret_cast<WindowId>(window_->handle());
  link_ = std::make_unique<WindowLink>(desktop_, ui_, mainId);
  translucencyController_ = std::make_unique<TranslucencyController>(
      translucency_, *window_, mainId, [this] {
        RedrawWindow(window_->handle(), nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      });
  startLan();
  createTabViews();
  startPlans(home);
  showTab(*historyView_);
  for (int pane = 0; pane < kStatusPaneCount; ++pane) {
    window_->setStatusPane(pane, status_.pane(static_cast<StatusPane>(pane)).text);
    window_->setStatusTip(pane, status_.pane(static_cast<StatusPane>(pane)).tip);
  }
  startTray();
  lan_->start();
  startHotkeys();
  if (ParseCommandLine().show) callUp(call_up_source::kTray);
  capture_->setViewReady(true);
  window_->startTimers();
  scheduleDeferredStart(home, startedAt);
  return true;
}

// The store folders, the standard plans when they are due, then the History's items as clipsave
// lists them (their contents follow once the program takes texts). Before the window exists a
// failure ends the start; later failures ask the window to close.
bool Program::startHistory(const DataHome& home) {
  if (!CreateStoreFolders(fs_, ui_, home.folder)) return false;
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  history_ = std::make_unique<CHistoryList>(
      fs_, clock_, ui_, environment,
      HistoryStoreSetup{home.folder, home.userName, [this] { window_->requestClose(); }});
  stack_ = std::make_unique<StackItemWriter>(fs_, clock_, ui_);
  stackList_ = std::make_unique<CStackList>(fs_, ui_, *stack_, home.folder);
  planTab_ = std::make_unique<PlanTabWiring>(PlanTabWiringParts{
      fs_, clock_, ui_, settingsHome_->settings(), home.folder, settingsHome_->logonUser(),
      SjisToWide(environment.FontName), [this] { refreshList(); }, [this] { letGoForPlanRun(); }});
  planTab_->start();
  return history_->loadListing(environment.MaxFile) == 0;
}

void Program::startLan() {
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  lan_ = std::make_unique<LanWiring>(LanWiringParts{
      GetModuleHandleW(nullptr), window_->handle(), ui_, fs_, *clipboard_, environment,
      settingsHome_->home().folder, *engine_, *analyzer_, *inputs_, inputMethod_,
      SjisToWide(environment.FontName),
      [this](std::string_view text, bool intoHistory) {
        return capture_->putTextOnClipboard(text, intoHistory);
      },
      [this] { settingsHome_->files().save(); }, [this] { refreshList(); },
      [this] { if (tray_ && lan_) tray_->setLanPublishing(lan_->publishing()); },
      [this](std::string_view planRecord) {
        int stored = planTab_->list().m_FileAdd(planRecord);
        refreshList();
        return stored;
      }});
  planTab_->list().sharedStore = [this](std::string_view, std::string_view planRecord) {
    return lan_->copyPlanToShared(planRecord);
  };
}

MainWindow::Handlers Program::windowHandlers() {
  MainWindow::Handlers handlers;
  handlers.clipboardChanged = [this] {
    if (!capture_) return;
    capture_->onClipboardChanged();
    refreshList();
  };
  handlers.deferredCapture = [this] {
    if (!capture_) return;
    capture_->onDeferredCapture();
    refreshList();
  };
  handlers.watchdogTick = [this] { if (capture_) capture_->onWatchdogTick(); };
  handlers.trackingTick = [this] { onTrackingTick(); };
  handlers.trayMouse = [this](UINT message) { if (tray_) tray_->onMouseMessage(message); };
  handlers.taskbarCreated = [this] { if (tray_) tray_->onTaskbarCreated(); };
  handlers.shellTimer = [this](int id) {
    if (tray_ && tray_->onTimer(id)) return;
    if (hotkeys_ && hotkeys_->onTimer(id)) return;
    if (translucencyController_) translucencyController_->onTimer(id);
  };
  handlers.tabChosen = [this](TabView& view) { showTab(view); };
  handlers.activated = [this](bool active) {
    if (translucencyController_) translucencyController_->activationChanged(active);
  };
  handlers.command = [this](int command) { onCommand(command); };
  handlers.copyData = [this](std::string_view command) { return copyData_.route(command); };
  handlers.closing = [this] { onClosing(); };
  handlers.closeBox = [this] { exitCommand(); };
  handlers.hotkey = [this](int id) { if (hotkeys_) hotkeys_->onHotkey(id); };
  return handlers;
}

void Program::refreshList() {
  if (window_) window_->list().refresh();
}

// The ordered end: the hooks go first and nothing more is captured; after a short wait that
// keeps answering messages the window is unlinked and its placement kept, the history follows its
// exit rules, and the settings files are written. The hotkeys are unregistered, then the window
// leaves the clipboard chain and removes its tray icon.
void Program::onClosing() {
  deferred_.cancel();
  if (hotkeys_) hotkeys_->stop();
  closing_ = true;
  if (capture_) capture_->setViewReady(false);
  clock_.pumpWait(100);
  if (!settingsHome_) return;
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  if (link_ && link_->linked()) unlink();  // the window's own place, not the linked strip
  if (window_ && window_->handle()) keepPlacement(environment);
  if (history_) {
    history_->trimAtExit(history_->maximumCount(), environment.MaxFile, environment.AutoSave == 1);
  }
  settingsHome_->saveAtExit();
  // A link whose threads did not end in time is kept: its threads still run its code.
  if (lan_ && !lan_->stop()) lan_.release();
  if (hotkeys_) hotkeys_->unregisterAll();
  if (tray_) tray_->removeIcon();
  if (plans_) plans_->shutDown();
}

// The window's place and size; its position also as a percentage of the screen.
void Program::keepPlacement(EnvironmentSettings& environment) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_->handle(), &placement)) return;
  const RECT& rect = placement.rcNormalPosition;
  environment.WIN_SIZE_L = rect.left;
  environment.WIN_SIZE_T = rect.top;
  environment.WIN_SIZE_W = rect.right - rect.left;
  environment.WIN_SIZE_H = rect.bottom - rect.top;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (screenWidth > 0 && screenHeight > 0) {
    environment.SCREEN_X = rect.left * 100.0 / screenWidth;
    environment.SCREEN_Y = rect.top * 100.0 / screenHeight;
  }
}

}  // namespace qb
