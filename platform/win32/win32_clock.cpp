#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "base/pump_wait.h"
#include "platform/win32/windows_time.h"

namespace qb {

Win32Clock::Win32Clock() : start_(GetTickCount64()) {}

DateTime Win32Clock::localNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return DateTimeFromSystemTime(now);
}

std::uint64_t Win32Clock::milliseconds() { return GetTickCount64() - start_; }

void Win32Clock::pumpWait(int milliseconds) {
  const int steps = PumpWaitSteps(milliseconds);
  for (int step = 0; step < steps; ++step) {
    Sleep(kPumpStepMilliseconds);
    DispatchPendingMessages();
  }
}

void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace qb
