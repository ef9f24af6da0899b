// The program's main window: a button per shown tab, the current tab's bar and list, the frame's
// toggles and the status bar; in tray mode it lives hidden behind its tray icon. It receives the
// clipboard notices, the timers, the tray icon's clicks and the commands and hands each to the
// program; what happens in the list, its bar and on dropped files goes to the current tab's view.
#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/shell/shell_timers.h"
#include "app/tablist/tab_kind.h"
#include "app/win32/list_filter_box.h"
#include "app/win32/tab_view.h"
#include "app/win32/tray_icon.h"
#include "winui/list_view.h"
#include "winui/window.h"

namespace qb {

class MainWindow : public winui::Window, public ShellTimers {
 public:
  struct Handlers {
    std::function<void()> clipboardChanged;
    // "クリップボードから取得（不具合アプリ用）": the late read for applications that need it.
    std::function<void()> deferredCapture;
    std::function<void()> watchdogTick;         // every 15 s
    std::function<void()> trackingTick;         // every 100 ms: the working window, status bar
    std::function<void(UINT mouseMessage)> trayMouse;  // a mouse message on the tray icon
    std::function<void()> taskbarCreated;
    // The timers the shell models own (tray hover, capture flash, translucency).
    std::function<void(int id)> shellTimer;
    std::function<void(bool active)> activated;
    // A tab button was pressed: the view it shows.
    std::function<void(TabView&)> tabChosen;
    std::function<void(int command)> command;
    // A WM_COPYDATA command text from another program or thread; true when it was taken.
    std::function<bool(std::string_view command)> copyData;
    // Runs once, before the window is destroyed.
    std::function<void()> closing;
    // The close box (or Alt+F4): the exit command decides; WM_CLOSE itself always ends.
    std::function<void()> closeBox;
    std::function<void(int id)> hotkey;  // WM_HOTKEY
  };

  MainWindow(Handlers handlers, std::wstring fontName);
  bool create(HINSTANCE instance, const RECT& placement);
  TrayShell& trayShell() { return trayShell_; }
  // ShellTimers
  void start(int id, int milliseconds) override;
  void stop(int id) override;

  void requestClose() const;
  // With the clipboard listener, joining sends no notice by itself: `announce` posts one, as
  // joining the viewer chain does.
  void joinClipboardChain(bool announce = false);
  void leaveClipboardChain();
  void postDeferredCapture() const;
  void startTimers();

  // Shows the window in the topmost band where it is (restored when it was minimised), or
  // hides it.
  void showCalledUp();
  void hide();
  void minimize();
  // With a taskbar button (ordinary mode) or as a tool window without one (tray mode).
  void setTaskbarButton(bool shown);
  void setTopmost(bool topmost);
  void moveTo(const RECT& rect);

  winui::VirtualListView& list() { return list_; }
  // The tab views in tab order; each gets a button when it is enabled, and its bar when it is
  // first shown.
  void setTabViews(std::vector<TabView*> views);
  // The buttons again, after the settings switched tabs on or off or renamed them.
  void rebuildTabButtons();
  // Shows the view's bar and list, with its colours; the other views' bars are hidden.
  void showTab(TabView& view);
  TabView* currentView() const { return current_; }
  // The current view's colours again (after a group switch or a settings change).
  void applyColours();
  // The frame's toggles show their state: 0 always on top, 1 linked right, 2 linked bottom,
  // 3 the filter field open.
  void setToggle(int index, bool on);
  // The rows shown when the filter narrows the list: as many as match, of all.
  bool filtering() { return filterBox_.filter().active(); }
  int shownRowCount() { return filterBox_.filter().shownCount(); }
  // The status bar model reports which panes changed; these write one pane's text or tip.
  void setStatusPane(int pane, const std::string& text);
  void setStatusTip(int pane, const std::string& tip);

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void onCreate();
  void layout();
  void makeBarOf(TabView& view);
  void onTrayCallback(LPARAM mouseMessage);
  void onClose();
  void onTimer(UINT_PTR timer);
  LRESULT onChangeClipboardChain(HWND leaving, HWND following);
  LRESULT onNotify(const NMHDR& header);
  void onDropFiles(HDROP drop);
  void onCommand(int id, int code);
  void updateTabButtonStates();
  // The filter field (F3, "絞込"): opened with the selection kept, closed with it restored.
  void openFilter();
  void closeFilter(bool restoreSelection);
  void useFirstShownRow();

  // The working window and status bar upkeep, and the clipboard watchdog; the other timer ids
  // belong to the shell models (app/shell/shell_timers.h).
  static constexpr UINT_PTR kUpkeepTimer = frame_timer::kStatusUpkeep;
  static constexpr UINT kUpkeepPeriod = 100;
  static constexpr UINT_PTR kWatchdogTimer = 7;
  static constexpr UINT kWatchdogPeriod = 15000;
  static constexpr UINT kDeferredCaptureCommand = 1002;
  static constexpr int kStatusPanes = 5;

  Handlers handlers_;
  std::wstring fontName_;
  HINSTANCE instance_ = nullptr;
  HFONT font_ = nullptr;
  Win32TrayShell trayShell_;
  std::vector<TabView*> views_;
  // Whose bar exists: a view's bar is made when the view is first shown (each bar's controls cost
  // the start a few window creations, and most tabs are not looked at right away).
  std::vector<bool> barMade_;
  RECT barRect_{};
  TabView* current_ = nullptr;
  // The buttons of the enabled views, and the view each shows.
  std::vector<HWND> tabButtons_;
  std::vector<TabView*> buttonViews_;
  std::array<HWND, 4> frameToggles_{};
  ListFilterBox filterBox_;
  int selectionBeforeFilter_ = -1;
  HWND menuButton_ = nullptr;  // the main menu
  winui::VirtualListView list_;
  HWND statusBar_ = nullptr;
  bool usesListener_ = false;
  HWND nextViewer_ = nullptr;
  bool closing_ = false;
};

}  // namespace qb
