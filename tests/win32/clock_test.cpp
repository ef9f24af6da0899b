#include "platform/win32/win32_clock.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/message_window.h"

namespace qb {
namespace {

TEST(DispatchPendingMessages, RunsWhatIsPendingAndKeepsAQuitForTheMessageLoop) {
  test::MessageWindow window;
  std::vector<int> ran;
  window.post([&] { ran.push_back(1); });
  PostQuitMessage(7);
  window.post([&] { ran.push_back(2); });
  DispatchPendingMessages();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
  EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST(Win32Clock, CountsMillisecondsFromConstruction) {
  Win32Clock clock;
  EXPECT_LT(clock.milliseconds(), 60000u);
}

}  // namespace
}  // namespace qb
