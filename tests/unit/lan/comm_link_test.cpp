// The share link: update delivery passes, answers and the send thread's tick work.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "lan/comm_socket.h"
#include "lan/ipv4_text.h"
#include "lan/link_status.h"
#include "lan_test_support.h"
#include "platform/fake/fake_clock.h"
#include "platform/net/fake_net.h"

namespace qb {
namespace {

using lantest::HeadFrom;
using lantest::Ip;

// The first step of a stop, callable from a test.
class StoppableCommLink : public CCommSocket {
 public:
  using CCommSocket::CCommSocket;
  using CCommSocket::BeforeStop;
};

class CommLinkTest : public ::testing::Test {
 protected:
  FakeClock clock{DateTime{2007, 1, 2, 3, 4, 5, 0, 2}};
  FakeNet net;
  lantest::RecordingSharedTab tab;
  std::unique_ptr<StoppableCommLink> link;

  void SetUp() override {
    net.setHostAddresses({Ip(10, 1, 2, 3)});
    link = std::make_unique<StoppableCommLink>(net, clock, LinkSettings{27079, "10.1.2.3", false, ""});
    link->AttachTab(&tab);
    link->SetOwnShareKey("KEY");
    ASSERT_EQ(link->Open(), 0);
  }

  // A datagram from the address its envelope names.
  void Deliver(const std::string& text) {
    ParsedDatagram parsed = ParseEnvelope(text);
    std::uint32_t source = 0;
    ParseIpv4(parsed[kFieldSender], source);
    net.queueDatagram(Scramble(text), NetEndpoint{source, 27079});
    link->ReceiveStep();
  }

  // Requests sent so far, per destination.
  std::map<std::string, int> RequestsPerPeer() {
    std::map<std::string, int> counts;
    for (const auto& datagram : net.sent()) {
      ParsedDatagram parsed = ParseEnvelope(Unscramble(datagram.bytes));
      if (parsed[kFieldKind] == kCommUpdateRequest) ++counts[FormatIpv4(datagram.to.address)];
    }
    return counts;
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) link->SendStep();
  }
};

TEST_F(CommLinkTest, ASilentPeerGetsExactlyThreeRequestsTwelveTicksApart) {
  tab.peers = {"10.1.2.7"};
  link->ArmDelivery("KEY");
  std::vector<int> sendTicks;
  for (int tick = 1; tick <= 60; ++tick) {
    std::size_t before = net.sent().size();
    link->SendStep();
    if (net.sent().size() > before) sendTicks.push_back(tick);
  }
  EXPECT_EQ(RequestsPerPeer()["10.1.2.7"], 3);
  EXPECT_EQ(sendTicks, (std::vector<int>{1, 13, 25}));
  EXPECT_TRUE(link->PeerTable().armedKey.empty()) << "delivery finished";
  ParsedDatagram first = ParseEnvelope(Unscramble(net.sent()[0].bytes));
  EXPECT_EQ(first[kFieldScope], "KEY");
  EXPECT_EQ(first[kFieldSender], "10.1.2.3");
}

TEST_F(CommLinkTest, APeerThatAnswersGetsNoMoreAndAtMostThreeGoOutPerTick) {
  tab.peers = {"10.1.2.7", "10.1.2.8", "10.1.2.9", "10.1.2.10"};
  link->ArmDelivery("KEY");
  link->SendStep();
  EXPECT_EQ(net.sent().size(), 3u);
  Deliver(BuildCommUpdate(kCommUpdateAnswer, HeadFrom("10.1.2.7", "KEY")));
  Deliver(BuildCommUpdate(kCommUpdateAnswer, HeadFrom("10.1.2.8", "OTHER")));
  Ticks(80);
  auto counts = RequestsPerPeer();
  EXPECT_EQ(counts["10.1.2.7"], 1);
  EXPECT_EQ(counts["10.1.2.8"], 3);
  EXPECT_EQ(counts["10.1.2.10"], 3);
}

TEST_F(CommLinkTest, ASecondChangeWithinTheSameSecondIsDeliveredToo) {
  tab.peers = {"10.1.2.7"};
  link->ArmDelivery("KEY");
  link->SendStep();
  ASSERT_EQ(RequestsPerPeer()["10.1.2.7"], 1);
  link->ArmDelivery("KEY");
  EXPECT_EQ(link->PeerTable().armedStamp, link->PeerTable().processedStamp);
  Ticks(60);
  EXPECT_EQ(RequestsPerPeer()["10.1.2.7"], 4);
}

TEST_F(CommLinkTest, AStopWhileThePeersAreReadSendsNoRequestWithoutAKey) {
  tab.peers = {"10.1.2.7"};
  link->ArmDelivery("KEY");
  // The stop drops the delivery during the 200 ms wait before the peers are read.
  clock.schedule(100, [&] { link->BeforeStop(); });
  EXPECT_EQ(link->DeliveryTick(), 0);
  Ticks(30);
  EXPECT_TRUE(net.sent().empty());
}

TEST_F(CommLinkTest, AFailedRequestAbandonsTheDelivery) {
  tab.peers = {"10.1.2.7", "10.1.2.8"};
  link->ArmDelivery("KEY");
  net.failNext(FakeNet::Operation::kSendTo, 10065);
  EXPECT_EQ(link->DeliveryTick(), -1);
  EXPECT_TRUE(link->PeerTable().armedKey.empty());
  EXPECT_EQ(link->SendLog().back().detail, "sendto(COMM_UPDATE_R) ERROR 10065");
  Ticks(30);
  EXPECT_TRUE(net.sent().empty());
}

TEST_F(CommLinkTest, RequestsOfTheOwnFolderAreAnsweredAndFlagAReload) {
  Deliver(BuildCommUpdate(kCommUpdateRequest, HeadFrom("10.1.2.7", "KEY")));
  Deliver(BuildCommUpdate(kCommUpdateRequest, HeadFrom("10.1.2.7", "OTHER")));
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", "KEY")));
  ASSERT_EQ(net.sent().size(), 1u);
  EXPECT_EQ(ParseEnvelope(Unscramble(net.sent()[0].bytes))[kFieldKind], "COMM_UPDATE_A");
  EXPECT_EQ(tab.reloadFlags, 1);
  link->SetOwnShareKey("");
  Deliver(BuildCommUpdate(kCommUpdateRequest, HeadFrom("10.1.2.7", "")));
  EXPECT_EQ(net.sent().size(), 1u) << "no folder open: nothing matches";
}

TEST_F(CommLinkTest, TheSendTickReloadsEveryFifthTickOrAtOnceWhenAsked) {
  Ticks(10);
  EXPECT_EQ(tab.applied, 2);
  EXPECT_EQ(tab.rechecks, 10);
  tab.immediate = true;
  Ticks(1);
  EXPECT_EQ(tab.applied, 3);
  EXPECT_EQ(clock.waits().back(), 150);
  LinkStatusModel model = CommLinkStatus(*link);
  EXPECT_EQ(model.caption, "共有の情報／エラー情報");
  EXPECT_EQ(model.port, " 27079");
  EXPECT_TRUE(model.group.empty());
}

}  // namespace
}  // namespace qb
