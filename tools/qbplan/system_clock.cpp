#include "tools/qbplan/system_clock.h"

#include <chrono>
#include <ctime>
#include <thread>

#include "base/pump_wait.h"

namespace qb {

namespace {

std::int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

SystemClock::SystemClock() : startMilliseconds_(SteadyMilliseconds()) {}

DateTime LocalDateTime(std::time_t seconds) {
  std::tm local{};
  localtime_r(&seconds, &local);
  DateTime time;
  time.year = local.tm_year + 1900;
  time.month = local.tm_mon + 1;
  time.day = local.tm_mday;
  time.hour = local.tm_hour;
  time.minute = local.tm_min;
  time.second = local.tm_sec;
  time.dayOfWeek = local.tm_wday;
  return time;
}

DateTime SystemClock::localNow() {
  auto now = std::chrono::system_clock::now();
  auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  DateTime time = LocalDateTime(std::chrono::system_clock::to_time_t(now));
  time.millisecond = static_cast<int>(millis.count());
  return time;
}

std::uint64_t SystemClock::milliseconds() {
  return static_cast<std::uint64_t>(SteadyMilliseconds() - startMilliseconds_);
}

void SystemClock::pumpWait(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(PumpWaitSteps(milliseconds) * kPumpStepMilliseconds));
}

}  // namespace qb
