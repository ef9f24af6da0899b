// The start's deferred work runs from the message loop, after the messages already waiting.
#include "app/win32/deferred_start_work.h"

#include <gtest/gtest.h>

#include <string>

namespace qb {
namespace {

constexpr UINT kWaitingMessage = WM_APP + 7;

// Dispatches the thread's messages until `done` or five seconds pass.
template <class Done>
void PumpUntil(Done done) {
  const DWORD start = GetTickCount();
  MSG message;
  while (!done() && GetTickCount() - start < 5000) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == kWaitingMessage) {
        *reinterpret_cast<std::string*>(message.lParam) += "message,";
      } else {
        DispatchMessageW(&message);
      }
    } else {
      Sleep(1);
    }
  }
}

TEST(DeferredStartWork, TasksRunInOrderAfterTheWaitingMessagesAndSlicesRepeat) {
  std::string log;
  int slices = 0;
  DeferredStartWork work;
  work.add([&] {
    log += "first,";
    return false;
  });
  work.add([&] {
    log += "slice,";
    return ++slices < 3;
  });
  work.add([&] {
    log += "last,";
    return false;
  });
  PostThreadMessageW(GetCurrentThreadId(), kWaitingMessage, 0, reinterpret_cast<LPARAM>(&log));
  work.start();
  PumpUntil([&] { return work.done(); });
  EXPECT_EQ(log, "message,first,slice,slice,slice,last,");
}

TEST(DeferredStartWork, NothingRunsWhilePausedOrAfterTheCancel) {
  std::string log;
  bool busy = true;
  DeferredStartWork work;
  work.pauseWhile([&] { return busy; });
  work.add([&] {
    log += "after the box,";
    return false;
  });
  work.add([&] {
    log += "never,";
    return false;
  });
  work.start();
  const DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start > 100; });
  EXPECT_EQ(log, "");
  busy = false;
  PumpUntil([&] { return !log.empty(); });
  work.cancel();
  PumpUntil([&] { return GetTickCount() - start > 200; });
  EXPECT_EQ(log, "after the box,");
  EXPECT_TRUE(work.done());
}

}  // namespace
}  // namespace qb
