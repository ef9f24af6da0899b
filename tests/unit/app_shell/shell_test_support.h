// Recording doubles of the shell models' small interfaces, with the virtual time of each call.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/shell/shell_timers.h"
#include "app/shell/tray_shell.h"
#include "platform/fake/fake_clock.h"

namespace qb {

struct TimerCall {
  bool start = false;
  int id = 0;
  int milliseconds = 0;
  bool operator==(const TimerCall&) const = default;
};

class RecordingTimers : public ShellTimers {
 public:
  void start(int id, int milliseconds) override { calls.push_back({true, id, milliseconds}); }
  void stop(int id) override { calls.push_back({false, id, 0}); }
  std::vector<TimerCall> calls;
};

struct TrayCall {
  std::string what;  // "add", "modify", "remove"
  TrayIconState state;
  std::uint64_t at = 0;
};

// Refuses the first `refusals` adds and removes.
class RecordingTrayShell : public TrayShell {
 public:
  explicit RecordingTrayShell(FakeClock& clock) : clock_(clock) {}
  bool add(const TrayIconState& state) override { return record("add", state); }
  bool modify(const TrayIconState& state) override { return record("modify", state); }
  bool remove() override { return record("remove", {}); }

  int refusals = 0;
  std::vector<TrayCall> calls;

 private:
  bool record(const char* what, const TrayIconState& state) {
    calls.push_back({what, state, clock_.milliseconds()});
    if (refusals == 0 || calls.back().what == "modify") return true;
    --refusals;
    return false;
  }
  FakeClock& clock_;
};

}  // namespace qb
