#include "tests/e2e/driver/polling.h"

#include "tests/e2e/driver/failure.h"

namespace qb::e2e {
namespace {

void dispatchOwnMessages(DWORD waitMs) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

bool pollUntil(DWORD limitMs, const std::function<bool()>& condition) {
  const ULONGLONG deadline = GetTickCount64() + limitMs;
  for (;;) {
    if (condition()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    const ULONGLONG left = deadline - now;
    dispatchOwnMessages(static_cast<DWORD>(left < kPollIntervalMs ? left : kPollIntervalMs));
  }
}

void waitFor(const std::string& what, DWORD limitMs, const std::function<bool()>& condition,
             const std::function<std::string()>& lastSeen) {
  const ULONGLONG started = GetTickCount64();
  if (pollUntil(limitMs, condition)) {
    noteStep("  waited " + std::to_string(GetTickCount64() - started) + " ms for " + what);
    return;
  }
  std::string message = "timed out after " + std::to_string(limitMs) + " ms waiting for " + what;
  if (lastSeen) message += "; last seen: " + lastSeen();
  throw ScenarioFailure(message);
}

}  // namespace qb::e2e
