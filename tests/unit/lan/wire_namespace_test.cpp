// Two "computers" in network namespaces joined by a bridge: broadcasts on real UDP.
// The test builds the namespaces itself and removes them afterwards; it is skipped where the
// machine cannot create them (not root, or no `ip`).
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "lan/open_socket.h"
#include "lan_test_support.h"
#include "wire_support.h"

namespace qb {
namespace {

int Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

// Namespaces A and B, each with one veth end on a bridge in a third namespace.
class TwoComputers {
 public:
  TwoComputers() : suffix_(std::to_string(getpid())) {}
  ~TwoComputers() {
    for (const char* ns : {"A", "B", "S"}) Shell("ip netns del " + Name(ns));
  }

  std::string Name(const char* which) const { return std::string("qblan") + which + suffix_; }

  bool Build() {
    std::string a = Name("A"), b = Name("B"), s = Name("S");
    for (const std::string& ns : {a, b, s}) {
      if (Shell("ip netns add " + ns) != 0) return false;
    }
    const std::string commands[] = {
        "ip -n " + s + " link add br0 type bridge",
        "ip -n " + s + " link set br0 up",
        "ip -n " + a + " link add eth0 type veth peer name pa netns " + s,
        "ip -n " + b + " link add eth0 type veth peer name pb netns " + s,
        "ip -n " + s + " link set pa master br0",
        "ip -n " + s + " link set pb master br0",
        "ip -n " + s + " link set pa up",
        "ip -n " + s + " link set pb up",
        "ip -n " + a + " addr add 10.231.7.1/24 dev eth0",
        "ip -n " + b + " addr add 10.231.7.2/24 dev eth0",
        "ip -n " + a + " link set eth0 up",
        "ip -n " + b + " link set eth0 up",
        "ip -n " + a + " link set lo up",
        "ip -n " + b + " link set lo up",
        "ip -n " + a + " route add default dev eth0",
        "ip -n " + b + " route add default dev eth0",
    };
    for (const std::string& command : commands) {
      if (Shell(command) != 0) return false;
    }
    return true;
  }

 private:
  std::string suffix_;
};

// Runs `work` on a thread inside namespace `name`; sockets and threads it creates stay there.
bool InNamespace(const std::string& name, const std::function<void()>& work) {
  bool entered = false;
  std::thread thread([&] {
    int fd = open(("/var/run/netns/" + name).c_str(), O_RDONLY);
    if (fd < 0) return;
    entered = setns(fd, CLONE_NEWNET) == 0;
    close(fd);
    if (entered) work();
  });
  thread.join();
  return entered;
}

class NamespaceWireTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "network namespaces need root";
    if (Shell("command -v ip") != 0) GTEST_SKIP() << "no `ip` (iproute2) on this machine";
    if (!computers_.Build()) GTEST_SKIP() << "this machine cannot create network namespaces";
  }

  // Opens a publish link inside a namespace.
  void StartIn(const char* which, COpenSocket& link) {
    ASSERT_TRUE(InNamespace(computers_.Name(which), [&] { link.Start(); }));
    ASSERT_TRUE(link.IsOpen());
  }

  TwoComputers computers_;
  SocketNet net_;
  lantest::WireClock clock_;
};

TEST_F(NamespaceWireTest, CheckRequestOnTheSubnetBroadcastReachesTheOtherComputer) {
  int port = lantest::WirePort(0);
  lantest::RecordingOpenTab tabA, tabB;
  COpenSocket a(net_, clock_, LinkSettings{port, "", false, "A"});
  COpenSocket b(net_, clock_, LinkSettings{port, "", false, "B"});
  a.AttachTab(&tabA);
  b.AttachTab(&tabB);
  StartIn("A", a);
  StartIn("B", b);
  EXPECT_EQ(a.OwnAddress(), "10.231.7.1");
  EXPECT_EQ(a.Settings().ownAddress, "10.231.7.1");
  EXPECT_EQ(a.BroadcastAddress(), lantest::Ip(10, 231, 7, 255));
  ASSERT_EQ(a.SendCheckRequest("G1"), 0);
  EXPECT_TRUE(lantest::WaitFor([&] { return tabA.Saw("UpdatePublisher(10.231.7.2)"); }));
  EXPECT_TRUE(tabB.Saw("UpdatePublisher(10.231.7.1)"));
  EXPECT_TRUE(lantest::WaitFor([&] { return tabA.Saw("UpdatePublisher(10.231.7.1)"); }))
      << "a link hears its own broadcast";
  a.Stop();
  b.Stop();
}

TEST_F(NamespaceWireTest, MaintenanceBroadcastIsAnsweredByEveryComputer) {
  int port = lantest::WirePort(2);
  lantest::RecordingOpenTab tabA, tabB;
  COpenSocket a(net_, clock_, LinkSettings{port, "", false, "A"});
  COpenSocket b(net_, clock_, LinkSettings{port, "", true, "B"});
  a.AttachTab(&tabA);
  b.AttachTab(&tabB);
  StartIn("A", a);
  StartIn("B", b);
  ASSERT_EQ(a.SendMaintenance("R", ""), 0);
  auto answered = [&](const std::string& address) {
    for (const auto& entry : a.ReceiveLog()) {
      if (entry.detail == address && entry.description == "メンテナンス情報(ALL_IP)") return true;
    }
    return false;
  };
  EXPECT_TRUE(lantest::WaitFor([&] { return answered("10.231.7.2") && answered("10.231.7.1"); }));
  // With the wide setting B's check request goes to 255.255.255.255 and still reaches A.
  ASSERT_EQ(b.SendCheckRequest("G1"), 0);
  EXPECT_TRUE(lantest::WaitFor([&] { return tabB.Saw("UpdatePublisher(10.231.7.1)"); }));
  a.Stop();
  b.Stop();
}

// A third computer's address is forged into an OPEN_INFO_R sent from B: A answers B, where the
// datagram came from, and nothing reaches the forged address (a second address of B here).
TEST_F(NamespaceWireTest, AForgedSenderGetsTheAnswerAtItsRealAddressOnly) {
  int port = lantest::WirePort(1);
  ASSERT_EQ(Shell("ip -n " + computers_.Name("B") + " addr add 10.231.7.3/24 dev eth0"), 0);
  lantest::RecordingOpenTab tabA;
  COpenSocket a(net_, clock_, LinkSettings{port, "", false, "A"});
  a.AttachTab(&tabA);
  StartIn("A", a);
  NetSocket forger = kNoSocket, real = kNoSocket, named = kNoSocket;
  ASSERT_TRUE(InNamespace(computers_.Name("B"), [&] {
    forger = net_.openUdp();
    real = net_.openUdp();
    named = net_.openUdp();
    net_.bind(forger, NetEndpoint{lantest::Ip(10, 231, 7, 2), port + 1});
    net_.bind(real, NetEndpoint{lantest::Ip(10, 231, 7, 2), port});
    net_.bind(named, NetEndpoint{lantest::Ip(10, 231, 7, 3), port});
  }));
  std::string forged = Scramble(BuildOpenInfo(
      kOpenInfoRequest, lantest::HeadFrom("10.231.7.3", "G1"), "x", true, "forged"));
  ASSERT_GT(net_.sendTo(forger, forged.data(), forged.size(),
                        NetEndpoint{lantest::Ip(10, 231, 7, 1), port}),
            0);
  char buffer[kDatagramCapacity];
  NetEndpoint from;
  int answer = net_.receiveFrom(real, buffer, sizeof buffer, from, 4000);
  ASSERT_GT(answer, 0) << "A answers the address the request came from";
  EXPECT_EQ(ParseEnvelope(Unscramble(std::string(buffer, answer)))[kFieldKind], "OPEN_INFO_A");
  EXPECT_LT(net_.receiveFrom(named, buffer, sizeof buffer, from, 1000), 0);
  EXPECT_EQ(net_.lastError(), kNetTimedOut) << "nothing reaches the forged address";
  EXPECT_TRUE(tabA.Saw("UpdatePublisher(10.231.7.2)"));
  for (NetSocket socket : {forger, real, named}) net_.closeSocket(socket);
  a.Stop();
}

}  // namespace
}  // namespace qb
#endif
