// Two links in one process on real UDP sockets (127.0.0.2 and 127.0.0.3).
#include <gtest/gtest.h>

#include "lan/comm_socket.h"
#include "lan/open_socket.h"
#include "lan_test_support.h"
#include "wire_support.h"

namespace qb {
namespace {

using lantest::Ip;

class LoopbackWireTest : public ::testing::Test {
 protected:
  std::shared_ptr<std::vector<std::uint32_t>> lan =
      std::make_shared<std::vector<std::uint32_t>>(std::vector<std::uint32_t>{Ip(127, 0, 0, 2), Ip(127, 0, 0, 3)});
  lantest::LoopbackMember netA{Ip(127, 0, 0, 2), lan};
  lantest::LoopbackMember netB{Ip(127, 0, 0, 3), lan};
  lantest::WireClock clock;

  static std::string Logs(const LanLink& link) {
    std::string out;
    for (const auto& e : link.SendLog()) out += " [send " + e.detail + "]";
    for (const auto& e : link.ReceiveLog()) out += " [receive " + e.detail + "]";
    return out;
  }
};

TEST_F(LoopbackWireTest, TwoLinksExchangeCheckAndInfo) {
  int port = lantest::WirePort(0);
  lantest::RecordingOpenTab tabA, tabB;
  tabB.text = "B's clip:::with separators";
  COpenSocket a(netA, clock, LinkSettings{port, "127.0.0.2", false, "A"});
  COpenSocket b(netB, clock, LinkSettings{port, "127.0.0.3", false, "B"});
  a.AttachTab(&tabA);
  b.AttachTab(&tabB);
  a.Start();
  b.Start();
  ASSERT_TRUE(a.IsOpen());
  ASSERT_TRUE(b.IsOpen()) << Logs(b) << " A:" << Logs(a);
  b.SetPublishing(true);
  ASSERT_EQ(a.SendCheckRequest("G1"), 0);
  EXPECT_TRUE(lantest::WaitFor([&] { return tabA.Saw("UpdatePublisher(127.0.0.3)"); }))
      << "A:" << Logs(a) << " B:" << Logs(b) << " A calls " << tabA.calls().size() << " B calls "
      << tabB.calls().size();
  EXPECT_TRUE(tabB.Saw("UpdatePublisher(127.0.0.2)"));
  EXPECT_TRUE(tabA.Saw("NoteRequestSent(127.0.0.3,OPEN_INFO_R)"));
  auto texts = tabA.updatedTexts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "B's clip:::with separators"), texts.end());
  a.Stop();
  b.Stop();
  EXPECT_FALSE(a.IsOpen());
}

TEST_F(LoopbackWireTest, AShareUpdateIsAnsweredAndEndsTheDelivery) {
  int port = lantest::WirePort(2);
  lantest::RecordingSharedTab tabA, tabB;
  tabA.peers = {"127.0.0.3"};
  CCommSocket a(netA, clock, LinkSettings{port, "127.0.0.2", false, ""});
  CCommSocket b(netB, clock, LinkSettings{port, "127.0.0.3", false, ""});
  a.AttachTab(&tabA);
  b.AttachTab(&tabB);
  a.SetOwnShareKey("20070102030405123");
  b.SetOwnShareKey("20070102030405123");
  a.Start();
  b.Start();
  a.ArmDelivery("20070102030405123");
  EXPECT_TRUE(lantest::WaitFor([&] { return a.PeerTable().armedKey.empty(); }));
  ASSERT_EQ(a.PeerTable().peers.size(), 1u);
  EXPECT_EQ(a.PeerTable().peers[0].sends, 1) << "answered after the first request";
  a.Stop();
  b.Stop();
}

}  // namespace
}  // namespace qb
