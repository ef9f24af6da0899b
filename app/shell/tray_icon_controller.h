// The tray icon: tray mode, the image and tip for the current state, the capture flash, the
// hover mark and the mouse messages on the icon.
//
// The frame owns one controller. It forwards the icon's callback message 1124 (WM_USER + 100,
// icon id 1) with its mouse message to `onMouseMessage()`, frame timers 1 and 6 to `onTimer()`,
// the shell's "TaskbarCreated" broadcast to `onTaskbarCreated()`, and its own show/hide in tray
// mode to `windowShown()` / `windowHidden()`. The capture controller calls `flashCapture()` when
// `TrayIcomAnimeFlg` is 1; the LAN publish reports its state through `setLanPublishing()`. The
// menu item of the tray toggle takes `trayToggleCaption()` whenever the main menu is built.
#pragma once
#include <cstdint>
#include <functional>

#include "app/shell/shell_timers.h"
#include "app/shell/tray_shell.h"
#include "platform/clock.h"

namespace qb {

// Mouse messages the shell reports in the callback message's lParam.
namespace tray_mouse {
inline constexpr std::uint32_t kMove = 0x0200;      // WM_MOUSEMOVE
inline constexpr std::uint32_t kLeftUp = 0x0202;    // WM_LBUTTONUP
inline constexpr std::uint32_t kRightUp = 0x0205;   // WM_RBUTTONUP
}  // namespace tray_mouse

inline constexpr int kTrayAddTries = 6;
inline constexpr int kTrayAddRetryMilliseconds = 700;
inline constexpr int kTrayRemoveTries = 3;
inline constexpr int kTrayRemoveRetryMilliseconds = 100;
inline constexpr int kTrayHoverMilliseconds = 500;
inline constexpr int kCaptureFlashMilliseconds = 700;

// What the controller asks of the main window.
struct TrayWindowHooks {
  std::function<void()> hideWindow;
  std::function<void()> showWindow;
  // Records the working window's focus and caret, so a following paste goes to it.
  std::function<void()> recordWorkingWindow;
  // True while the cursor is inside the taskbar's notification area.
  std::function<bool()> cursorInNotificationArea;
  // Call-up with a source (2 for the tray): place the window, then show it.
  std::function<void(int source)> callUp;
  // The main menu at the cursor.
  std::function<void()> showMainMenu;
  // True while one of the program's message boxes or dialogs is open.
  std::function<bool()> busy;
};

class TrayIconController {
 public:
  TrayIconController(TrayShell& shell, Clock& clock, ShellTimers& timers, TrayWindowHooks hooks);

  // Tray mode on: hide the window and add the icon; off: show the window and remove the icon.
  void setTrayMode(bool on);
  void toggleTrayMode() { setTrayMode(!trayMode_); }
  // The start: the mode as the settings have it, with the window not shown yet and no icon; the
  // icon follows with `addMissingIcon()` once the program takes texts.
  void startInMode(bool trayMode);
  // In tray mode without an icon: the icon is added (with its tries).
  void addMissingIcon();
  bool trayMode() const { return trayMode_; }
  bool hiddenInTray() const { return hiddenInTray_; }
  // "タスクトレイに格納" in ordinary mode, "タスクトレイから出す" in tray mode.
  const char* trayToggleCaption() const;

  // The window was shown or hidden; in tray mode this sets the hidden mark and refreshes.
  void windowShown();
  void windowHidden();

  void setLanPublishing(bool running);
  // Shows the capture image for 700 ms (in tray mode, with the icon present).
  void flashCapture();
  bool flashing() const { return flashing_; }

  void onMouseMessage(std::uint32_t mouseMessage);
  bool hoverMark() const { return hoverMark_; }
  // Frame timers 1 (hover) and 6 (capture flash); false for any other id.
  bool onTimer(int id);

  // The taskbar was re-created (Explorer restarted): the icon is added again in tray mode.
  void onTaskbarCreated();
  // At exit: removes the icon, if present.
  void removeIcon();

  TrayIconState iconState() const;
  bool iconPresent() const { return iconPresent_; }

 private:
  bool addIcon();
  void refresh();

  TrayShell& shell_;
  Clock& clock_;
  ShellTimers& timers_;
  TrayWindowHooks hooks_;
  bool trayMode_ = false;
  bool hiddenInTray_ = false;
  bool iconPresent_ = false;
  bool lanPublishing_ = false;
  bool flashing_ = false;
  bool hoverMark_ = false;
};

}  // namespace qb
