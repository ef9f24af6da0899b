// The life of the running program: start-up in order, the message loop, and the ordered end.
// It owns the stores and controllers and connects the main window's events to them.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/settings_home.h"
#include "app/shell/call_up_placement.h"
#include "app/shell/status_bar_model.h"
#include "app/shell/tray_icon_controller.h"
#include "app/shell/translucency.h"
#include "app/tablist/tab_list_family.h"
#include "app/shell/copy_data_router.h"
#include "app/win32/history_tab_view.h"
#include "app/win32/save_related_tabs.h"
#include "app/win32/lan_wiring.h"
#include "app/win32/plan/program_plans.h"
#include "app/win32/stack/stack_tab_view.h"
#include "app/win32/tab_view.h"
#include "app/win32/deferred_start_work.h"
#include "app/win32/layered_translucency.h"
#include "app/win32/main_window.h"
#include "app/win32/plan_tab_wiring.h"
#include "app/win32/shell_folder_mover.h"
#include "history/capture_controller.h"
#include "history/history_list.h"
#include "history/save_stack_items.h"
#include "hotkeys/hotkey_controller.h"
#include "hotkeys/win32/win32_hook_library.h"
#include "hotkeys/win32/win32_hotkey_registrar.h"
#include "macros/input_fill.h"
#include "macros/macro_analyzer.h"
#include "paste/paste_engine.h"
#include "paste/window_link.h"
#include "paste/working_window.h"
#include "settings/settings_apply.h"
#include "settings/settings_sheet_model.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_keyboard.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_ui.h"

namespace qb {

class Program : private CaptureHandOffs, private ClipboardChain, private PasteHost,
                private CallUpHost {
 public:
  Program();
  ~Program() override;
  // The whole run; the process's exit code.
  int run(HINSTANCE instance);

 private:
  bool start(HINSTANCE instance);
  bool startHistory(const DataHome& home);
  void scheduleDeferredStart(const DataHome& home, const DateTime& startedAt);
  void startPaste();
  void startPlans(const DataHome& home);
  MainWindow::Handlers windowHandlers();
  void onClosing();
  void keepPlacement(EnvironmentSettings& environment);
  void onTrackingTick();
  void updateStatusBar();
  void startTray();
  void showTrayIcon();
  // Ordinary mode, and tray mode without an icon, keep a taskbar button and a shown window.
  void keepReachable();
  void createHotkeys();
  void startHotkeys();
  // "キー設定" with the multi hotkey dialog and the plan hotkey list; the hotkeys are registered
  // again after a change.
  void addKeySettingsToSheet();
  void showMainMenu();
  void onCommand(int command);
  void createTabViews();
  void openSettingsSheet();
  void applySettings(const SettingsApply& apply);
  void startLan();
  void showTab(TabView& view);
  void toggleAlwaysOnTop();
  void toggleLink(LinkSide side);
  void unlink();
  void exitCommand();
  void refreshList();

  // CaptureHandOffs
  std::string workingDocumentStatus() override;
  void flashTrayIcon() override { if (tray_) tray_->flashCapture(); }
  void publishToLan(std::string_view text) override { if (lan_) lan_->publish(text); }
  std::optional<std::string> takeLanPublisherOf(std::string_view text) override {
    return lan_ ? lan_->takePublisherOf(text) : std::nullopt;
  }
  void postDeferredCapture() override { window_->postDeferredCapture(); }
  bool planClipboardFlag() override { return plans_ && plans_->clipboardFlag(); }
  void stackItemStored(const std::string& fileName) override;
  void runCapturePlan(std::string_view planName, std::string_view text) override;
  // ClipboardChain
  void join() override { window_->joinClipboardChain(/*announce=*/true); }
  void leave() override { window_->leaveClipboardChain(); }
  // PasteHost
  bool isOwnWindow(WindowId window) override;
  WindowId mainWindow() override;
  bool alwaysOnTop() override { return alwaysOnTop_; }
  int putTextOnClipboard(std::string_view text) override;
  int putExactTextOnClipboard(std::string_view text, std::string_view exact) override;
  void leaveLinkAndRefresh() override;
  bool runPartialSelection(PartialSelectionModel& model) override;
  void storePastedValue(std::string_view value, bool partial) override;
  void storePastedExactValue(std::string_view value, std::string_view exact, bool partial) override;
  // CallUpHost (program_hotkeys.cpp)
  bool mainWindowInFront() override;
  bool mainWindowShown() override;
  bool pointerOverMainWindow() override;
  bool busy() override { return ui_.isBusy(); }
  bool occupied() override;
  void callUp(int source, bool link = false) override;
  bool tabShown(TabKind kind) override;
  void selectTab(TabKind kind) override;
  int currentGroup(TabKind kind) override;
  void selectGroup(TabKind kind, int group) override;
  void selectRelatedTab(int number) override;
  void letGo() override;
  void recordCaret() override;
  void letGoForPlanRun();
  void resumeCapture() override;
  TabView* enabledView(TabKind kind, int number = 0);
  int currentRowOffset(const RECT& window);

  Win32Ui ui_;
  Win32SystemInfo system_;
  Win32FileSystem fs_;
  Win32Clock clock_;
  Win32Desktop desktop_;
  Win32Keyboard keyboard_;
  Win32Shell shell_;
  ShellFolderMover mover_;
  std::unique_ptr<SettingsHome> settingsHome_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<Win32Clipboard> clipboard_;
  std::unique_ptr<CHistoryList> history_;
  std::unique_ptr<StackItemWriter> stack_;
  std::unique_ptr<CaptureController> capture_;
  WorkingWindow working_;
  std::unique_ptr<WorkingWindowTracker> tracker_;
  std::unique_ptr<PasteEngine> engine_;
  std::unique_ptr<MacroAnalyzer> analyzer_;
  std::unique_ptr<InputDialogRunner> inputs_;
  InputMethodMemory inputMethod_;
  HistoryTabView* historyView_ = nullptr;
  // The LAN links and the Open and Shared tabs (their views go away first).
  std::unique_ptr<LanWiring> lan_;
  // Every tab's view in tab order; the main window shows the current one.
  std::unique_ptr<SaveAndRelatedTabs> saveAndRelated_;
  std::vector<std::unique_ptr<TabView>> tabViews_;
  std::unique_ptr<TrayIconController> tray_;
  CallUpPlacement placement_;
  StatusBarModel status_;
  LayeredTranslucency translucency_;
  std::unique_ptr<TranslucencyController> translucencyController_;
  std::unique_ptr<WindowLink> link_;
  bool alwaysOnTop_ = false;
  // The computer name and the start time: which copy of the program this is on the LAN.
  std::string instanceIdentity_;
  // The lists of the tabs whose stores the program does not keep: shown with their columns.
  std::unique_ptr<CStackList> stackList_;
  StackTabView* stackView_ = nullptr;
  // WM_COPYDATA commands by prefix: the plans' "0927Plan_…", and the others as they come.
  CopyDataRouter copyData_;
  std::unique_ptr<ProgramPlans> plans_;
  bool hotkeysSuspended_ = false;
  // The settings sheet's buttons that open a part's own dialog, by their command.
  std::map<SheetCommand, std::function<void(SettingsSheetModel&, HWND sheet)>> sheetCommands_;
  // The parts that take changed settings again after the sheet's OK (hotkeys, hooks, links).
  std::vector<std::function<void(const SettingsApply&)>> settingsApplied_;
  DeferredStartWork deferred_;
  // The Plan tab, its standard plans and the routes by which plans run.
  std::unique_ptr<PlanTabWiring> planTab_;
  // Hotkeys, double taps and the input hooks with their reports.
  std::unique_ptr<Win32HotkeyRegistrar> registrar_;
  Win32HookLibrary hookLibrary_;
  std::unique_ptr<HotkeyController> hotkeys_;
  // The working window's caret as last recorded, for the caret placement.
  std::optional<ScreenPoint> caret_;
  WindowId caretWindow_ = 0;
  bool closing_ = false;
};

}  // namespace qb
