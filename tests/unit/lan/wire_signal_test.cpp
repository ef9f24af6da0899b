// A signal that interrupts a receive on the POSIX build is not the end of the receive thread.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

#include "lan_test_support.h"
#include "platform/net/socket_net.h"
#include "wire_support.h"

namespace qb {
namespace {

void IgnoreSignal(int) {}

TEST(SocketNetSignalTest, AnInterruptedReceiveWaitsOnAndGetsTheDatagram) {
  struct sigaction action {};
  action.sa_handler = IgnoreSignal;  // no SA_RESTART: the signal interrupts poll and recvfrom
  sigemptyset(&action.sa_mask);
  struct sigaction previous {};
  ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);

  SocketNet net;
  int port = lantest::WirePort(3);
  NetSocket receiver = net.openUdp();
  ASSERT_NE(receiver, kNoSocket);
  ASSERT_EQ(net.bind(receiver, NetEndpoint{kIpv4Loopback, port}), 0);
  std::atomic<int> result{-2};
  std::atomic<int> error{0};
  std::thread waiting([&] {
    char buffer[64];
    NetEndpoint from;
    result = net.receiveFrom(receiver, buffer, sizeof buffer, from, 4000);
    if (result < 0) error = net.lastError();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  pthread_kill(waiting.native_handle(), SIGUSR1);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  NetSocket sender = net.openUdp();
  ASSERT_EQ(net.sendTo(sender, "hello", 5, NetEndpoint{kIpv4Loopback, port}), 5);
  waiting.join();
  EXPECT_EQ(result.load(), 5) << "error " << error.load();
  net.closeSocket(sender);
  net.closeSocket(receiver);
  sigaction(SIGUSR1, &previous, nullptr);
}

}  // namespace
}  // namespace qb
#endif
