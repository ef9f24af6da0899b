// The frame window's timers as the shell models use them. The window implements `ShellTimers`
// with SetTimer/KillTimer on the frame and hands each WM_TIMER to the model that owns the id.
#pragma once

namespace qb {

namespace frame_timer {
inline constexpr int kTrayHover = 1;      // clears the tray-hover mark (500 ms)
inline constexpr int kStatusUpkeep = 2;   // status bar and window link (100 ms)
inline constexpr int kCallUp = 3;         // hotkey and hook call-ups (100 ms)
inline constexpr int kDoubleTap = 4;      // double-tap poll (50 ms, then 10 ms)
inline constexpr int kTranslucency = 5;   // lowers the opacity of the inactive window
inline constexpr int kCaptureFlash = 6;   // ends the tray icon's capture image (700 ms)
inline constexpr int kMouseCallUp = 11;   // one shot: the call-up of an edge click (10 ms)
inline constexpr int kPlanMenuRun = 12;   // one shot: the plan chosen in the plan menu (50 ms)
}  // namespace frame_timer

class ShellTimers {
 public:
  virtual ~ShellTimers() = default;
  // Starts or restarts timer `id` with period `milliseconds`.
  virtual void start(int id, int milliseconds) = 0;
  virtual void stop(int id) = 0;
};

}  // namespace qb
