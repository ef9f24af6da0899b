// Translucency of the always-on-top main window while it is inactive (the option
// "[常に表示]で非ｱｸﾃｨﾌﾞの時に半透明化", keys `Layered_SelectWin_Flg` and `Layered_SelectWin_Alpha`).
//
// `Translucency` is the pair of entry points of the translucency library, "SetWindowLong_Dll"
// (layered style off or on) and "SetLayeredWin_Dll" (opacity 0-255); the loader the frame uses
// implements it. The frame owns one `TranslucencyController`, calls `alwaysOnTopChanged()` when
// the "常に表示" state changes, `activationChanged()` on WM_ACTIVATE, and hands frame timer 5 to
// `onTimer()`.
#pragma once
#include <functional>

#include "app/shell/shell_timers.h"
#include "platform/desktop.h"
#include "platform/system_info.h"

namespace qb {

class Translucency {
 public:
  virtual ~Translucency() = default;
  virtual void setLayered(WindowId window, bool layered) = 0;
  virtual void setOpacity(WindowId window, int alpha) = 0;  // 0-255
};

// The library, its entry points and the start-up messages when one of them is missing.
inline constexpr const char* kTranslucencyLibraryName = "sheerwin";
inline constexpr const char* kSetLayeredStyleEntry = "SetWindowLong_Dll";
inline constexpr const char* kSetOpacityEntry = "SetLayeredWin_Dll";
inline constexpr const char* kTranslucencyLibraryLoadError = "SHEERWIN.DLL  LOAD ERROR";
inline constexpr const char* kSetLayeredStyleEntryError = "DLL LOAD ERROR_2";
inline constexpr const char* kSetOpacityEntryError = "DLL LOAD ERROR_3";

// Windows XP (5.1) and later use the library.
inline bool UsesTranslucencyLibrary(const WindowsVersion& version) {
  return version.major > 5 || (version.major == 5 && version.minor >= 1);
}

inline constexpr int kFullOpacity = 255;
// How long the window stays opaque after it lost the activation.
inline constexpr int kTranslucencyDelayMilliseconds = 300;

class TranslucencyController {
 public:
  // `redraw` repaints the main window and its frame after the layered style was removed.
  TranslucencyController(Translucency& library, ShellTimers& timers, WindowId window,
                         std::function<void()> redraw);

  // `optionOn` is `Layered_SelectWin_Flg` == 1; `alpha` is `Layered_SelectWin_Alpha`.
  void alwaysOnTopChanged(bool alwaysOnTop, bool optionOn, int alpha);
  // Inactive: the opacity drops to the option's alpha after a short delay; active: full again.
  void activationChanged(bool active);
  // Frame timer 5; false for any other id.
  bool onTimer(int id);

  bool layered() const { return layered_; }

 private:
  Translucency& library_;
  ShellTimers& timers_;
  WindowId window_;
  std::function<void()> redraw_;
  bool layered_ = false;
  bool lowered_ = false;
  bool active_ = true;
  int alpha_ = kFullOpacity;
};

}  // namespace qb
