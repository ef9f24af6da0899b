// The publish link on the fake Net and a virtual clock: opening, sending, receiving, the queue,
// the logs and the stop handshake.
#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <optional>

#include "lan/ipv4_text.h"
#include "lan/link_status.h"
#include "lan/open_socket.h"
#include "lan/tab_gate.h"
#include "lan_test_support.h"
#include "wire_support.h"
#include "platform/fake/fake_clock.h"
#include "platform/net/fake_net.h"

namespace qb {
namespace {

using lantest::HeadFrom;
using lantest::Ip;
using Op = FakeNet::Operation;

using lantest::HeldThreadsLink;

class OpenLinkTest : public ::testing::Test {
 protected:
  FakeClock clock{DateTime{2007, 1, 2, 3, 4, 5, 0, 2}};
  FakeNet net;
  lantest::RecordingOpenTab tab;
  std::unique_ptr<HeldThreadsLink> link;

  void SetUp() override {
    net.setHostAddresses({kIpv4Loopback, Ip(10, 1, 2, 3), Ip(10, 9, 9, 9)});
    link = std::make_unique<HeldThreadsLink>(net, clock, LinkSettings{27089, "10.1.2.3", false, "me"});
    link->AttachTab(&tab);
  }

  // A datagram from 10.1.2.7 (the sender most tests name), or from `source`.
  void Deliver(const std::string& text, std::uint32_t source = Ip(10, 1, 2, 7)) {
    DeliverBytes(Scramble(text), source);
  }
  void DeliverBytes(const std::string& bytes, std::uint32_t source = Ip(10, 1, 2, 7)) {
    net.queueDatagram(bytes, NetEndpoint{source, 27089});
    link->ReceiveStep();
  }

  std::vector<ParsedDatagram> Sent() {
    std::vector<ParsedDatagram> out;
    for (const auto& datagram : net.sent()) out.push_back(ParseEnvelope(Unscramble(datagram.bytes)));
    return out;
  }

  LinkLogEntry LastSendLog() {
    auto log = link->SendLog();
    return log.empty() ? LinkLogEntry{} : log.back();
  }
};

TEST_F(OpenLinkTest, OpenSkipsALeadingLoopbackAndSelectsTheOwnAddress) {
  link->ChangeSettings(LinkSettings{27089, "10.9.9.9", false, "me"});
  ASSERT_EQ(link->Open(), 0);
  EXPECT_EQ(link->LocalAddresses(), (std::vector<std::string>{"10.1.2.3", "10.9.9.9"}));
  EXPECT_EQ(link->OwnAddress(), "10.9.9.9");
  EXPECT_EQ(net.sendBufferSize(), 300000);
  EXPECT_EQ(net.receiveBufferSizeSet(), 300000);
  EXPECT_EQ(net.broadcastOption(), 1);
  EXPECT_EQ(net.boundEndpoint(), (NetEndpoint{kIpv4Any, 27089}));
  EXPECT_TRUE(link->IsOpen());
}

TEST_F(OpenLinkTest, AnOwnAddressNotInTheListIsReplacedByTheFirstOne) {
  link->ChangeSettings(LinkSettings{27089, "172.16.0.1", false, "me"});
  ASSERT_EQ(link->Open(), 0);
  EXPECT_EQ(link->OwnAddress(), "10.1.2.3");
  EXPECT_EQ(link->Settings().ownAddress, "10.1.2.3");
}

TEST_F(OpenLinkTest, EachFailingStepIsLoggedAndLeavesNothingOpen) {
  struct Case {
    Op operation;
    int error;
    std::string detail;
    std::string description;
  };
  for (const Case& c : std::vector<Case>{
           {Op::kStartup, 10091, "WSAStartup ERROR 10091", "ソケット開設時エラー"},
           {Op::kHostName, 10093, "gethostname ERROR 10093", "IPアドレス取得エラー"},
           {Op::kHostAddresses, 11001, "gethostbyname ERROR 11001", "IPアドレス取得エラー"},
           {Op::kOpenUdp, 10047, "socket ERROR 10047", "ソケット開設時エラー"},
           {Op::kReceiveBufferSize, 10022, "getsockopt(1) ERROR 10022", "ソケットオプション取得エラー"},
           {Op::kSetBroadcast, 10022, "getsockopt(2) ERROR 10022", "ソケットオプション設定エラー"},
           {Op::kSetSendBuffer, 10055, "getsockopt(3) ERROR 10055", "ソケットオプション設定エラー"},
           {Op::kSetReceiveBuffer, 10055, "getsockopt(4) ERROR 10055", "ソケットオプション設定エラー"},
           {Op::kBind, 10048, "bind ERROR 10048", "バインド設定エラー"}}) {
    net.failNext(c.operation, c.error);
    link->Start();
    EXPECT_FALSE(link->IsOpen()) << c.detail;
    EXPECT_TRUE(link->WasStarted());
    EXPECT_TRUE(link->bodies.empty()) << "no threads without a socket";
    EXPECT_EQ(net.openSockets(), 0) << c.detail;
    EXPECT_EQ(net.startups() - net.cleanups(), 0) << c.detail;
    EXPECT_EQ(LastSendLog().detail, c.detail);
    EXPECT_EQ(LastSendLog().description, c.description);
    EXPECT_EQ(LastSendLog().kind, "共通");
  }
  net.setHostAddresses({kIpv4Loopback});
  EXPECT_EQ(link->Open(), -1);
  EXPECT_EQ(LastSendLog().detail, "IPアドレス0件");
  EXPECT_EQ(LastSendLog().description, "LAN機能が認識できません");
}

TEST_F(OpenLinkTest, CheckRequestGoesToTheOwnSubnetAlsoAfterAMaintenanceBroadcast) {
  ASSERT_EQ(link->Open(), 0);
  EXPECT_EQ(link->SendCheckRequest("G1"), 0);
  EXPECT_EQ(link->SendMaintenance("R", ""), 0);
  EXPECT_EQ(link->SendCheckRequest("G1"), 0);
  auto sent = net.sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].to, (NetEndpoint{Ip(10, 1, 2, 255), 27089}));
  EXPECT_EQ(sent[1].to, (NetEndpoint{kIpv4Broadcast, 27089}));
  EXPECT_EQ(sent[2].to, sent[0].to);
  EXPECT_EQ(link->OwnAddress(), "10.1.2.3");
  link->ChangeSettings(LinkSettings{27089, "10.1.2.3", true, "me"});
  EXPECT_EQ(link->BroadcastAddress(), kIpv4Broadcast);
}

TEST_F(OpenLinkTest, NothingIsSentWhileTheSocketIsClosedAndAFailedSendIsLogged) {
  EXPECT_EQ(link->SendCheckRequest("G1"), 0);
  EXPECT_TRUE(net.sent().empty());
  ASSERT_EQ(link->Open(), 0);
  net.failNext(Op::kSendTo, 10065);
  EXPECT_EQ(link->SendInfo("R", "10.1.2.7", "x"), -1);
  EXPECT_EQ(LastSendLog().detail, "sendto(OPEN_INFO_R) ERROR 10065");
  EXPECT_EQ(LastSendLog().description, "送信エラー");
  EXPECT_EQ(LastSendLog().kind, "送信");
  EXPECT_FALSE(tab.Saw("NoteRequestSent(10.1.2.7,OPEN_INFO_R)"));
}

TEST_F(OpenLinkTest, MessagesOfAnotherOrNoGroupOrFromNoAddressChangeNothing) {
  ASSERT_EQ(link->Open(), 0);
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", "G2")));
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", "")));
  Deliver(BuildOpenNotice(kOpenEndNotice, HeadFrom("10.1.2.7", "G2")));
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("255.255.255.255", "G1")));
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2", "G1")));
  Deliver("QUILLBOX-OP1:::0000030:::OPEN");  // not scrambled: foreign
  DeliverBytes("");
  EXPECT_TRUE(net.sent().empty());
  EXPECT_TRUE(tab.calls().empty());
  tab.group = "";
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", "")));
  EXPECT_TRUE(net.sent().empty());
}

TEST_F(OpenLinkTest, TheConversationOfAGroup) {
  ASSERT_EQ(link->Open(), 0);
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", "G1")));
  Deliver(BuildOpenNotice(kOpenCheckAnswer, HeadFrom("10.1.2.7", "G1")));
  link->SetPublishing(true);
  tab.text = std::string(9000, 'p');
  Deliver(BuildOpenInfo(kOpenInfoRequest, HeadFrom("10.1.2.7", "G1"), "peer", true, "a:::b"));
  Deliver(BuildOpenNotice(kOpenEndNotice, HeadFrom("10.1.2.7", "G1")));
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0][kFieldKind], "OPEN_CHECK_A");
  EXPECT_EQ(sent[0][kFieldScope], "G1");
  EXPECT_EQ(sent[1][kFieldKind], "OPEN_INFO_R");
  EXPECT_EQ(PublishedTextOf(sent[1]), "<< 未公開 >>");
  EXPECT_EQ(sent[1][kFieldPublishing], "0");
  EXPECT_EQ(sent[2][kFieldKind], "OPEN_INFO_A");
  EXPECT_EQ(PublishedTextOf(sent[2]), std::string(8192, 'p'));
  EXPECT_EQ(sent[2][kFieldPublisherName], "me");
  EXPECT_EQ(net.sent()[2].to, (NetEndpoint{Ip(10, 1, 2, 7), 27089}));
  EXPECT_EQ(tab.updatedTexts(), std::vector<std::string>{"a:::b"});
  EXPECT_TRUE(tab.Saw("NoteRequestSent(10.1.2.7,OPEN_INFO_R)"));
  EXPECT_TRUE(tab.Saw("NoteAnswer(10.1.2.7)"));
  EXPECT_TRUE(tab.Saw("RemovePublisher(10.1.2.7)"));
}

TEST_F(OpenLinkTest, MaintenanceRequestIsAnsweredAndAnswersAreLogged) {
  ASSERT_EQ(link->Open(), 0);
  Deliver(BuildMainte(kMainteAllIpRequest, HeadFrom("10.1.2.7", "")));
  Deliver(BuildMainte(kMainteAllIpAnswer, HeadFrom("10.1.2.8", "")), Ip(10, 1, 2, 8));
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][kFieldKind], "MAINTE_ALLIP_A");
  auto log = link->ReceiveLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].detail, "10.1.2.8");
  EXPECT_EQ(log[0].description, "メンテナンス情報(ALL_IP)");
  EXPECT_EQ(log[0].kind, "受信");
  EXPECT_EQ(log[0].time, "01/02 03:04:05");
}

TEST_F(OpenLinkTest, AForgedSenderIsAnsweredAtTheRealSourceOnly) {
  ASSERT_EQ(link->Open(), 0);
  link->SetPublishing(true);
  // An OPEN_INFO_R naming the subnet broadcast, and a check request naming a third computer.
  Deliver(BuildOpenInfo(kOpenInfoRequest, HeadFrom("10.1.2.255", "G1"), "x", true, "t"));
  Deliver(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.9.9.20", "G1")), Ip(10, 1, 2, 8));
  auto sent = net.sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].to, (NetEndpoint{Ip(10, 1, 2, 7), 27089}));
  EXPECT_EQ(Sent()[0][kFieldKind], "OPEN_INFO_A");
  EXPECT_EQ(sent[1].to, (NetEndpoint{Ip(10, 1, 2, 8), 27089}));
  EXPECT_TRUE(tab.Saw("UpdatePublisher(10.1.2.7)")) << "listed under the address it came from";
  EXPECT_FALSE(tab.Saw("UpdatePublisher(10.1.2.255)"));
  // A datagram whose source is no single computer is not answered at all.
  net.clearSent();
  std::size_t callsBefore = tab.calls().size();
  for (std::uint32_t source : {kIpv4Broadcast, Ip(224, 0, 0, 1), Ip(239, 255, 255, 250), kIpv4Any,
                               Ip(0, 1, 2, 3), Ip(240, 0, 0, 1)}) {
    Deliver(BuildOpenInfo(kOpenInfoRequest, HeadFrom("10.1.2.7", "G1"), "x", true, "t"), source);
    Deliver(BuildMainte(kMainteAllIpRequest, HeadFrom("10.1.2.7", "")), source);
  }
  EXPECT_TRUE(net.sent().empty());
  EXPECT_EQ(tab.calls().size(), callsBefore);
}

TEST_F(OpenLinkTest, ShortDatagramsAreJoinedAndAForeignFragmentSwallowsNoMessage) {
  ASSERT_EQ(link->Open(), 0);
  std::string bytes = Scramble(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", "G1")));
  // The head from one computer and the rest from another do not make a message.
  DeliverBytes(bytes.substr(0, 10));
  DeliverBytes(bytes.substr(10), Ip(10, 1, 2, 8));
  EXPECT_TRUE(net.sent().empty());
  DeliverBytes(bytes.substr(0, 10));
  DeliverBytes(bytes.substr(10, 20));
  EXPECT_TRUE(net.sent().empty());
  DeliverBytes(bytes.substr(30));
  EXPECT_EQ(net.sent().size(), 1u);
  DeliverBytes("junk");
  DeliverBytes(bytes);
  EXPECT_EQ(net.sent().size(), 2u);
  DeliverBytes(std::string(kWakeUpDatagram));
  DeliverBytes(bytes);
  EXPECT_EQ(net.sent().size(), 3u);
}

TEST_F(OpenLinkTest, ADeclaredLengthIsAwaitedForAtMostAHundredDatagrams) {
  ASSERT_EQ(link->Open(), 0);
  // 22 head bytes in the first datagram, the rest two bytes at a time.
  auto deliverInPieces = [&](std::size_t groupLength) {
    tab.group = std::string(groupLength, 'g');
    std::string bytes = Scramble(BuildOpenNotice(kOpenCheckRequest, HeadFrom("10.1.2.7", tab.group)));
    DeliverBytes(bytes.substr(0, 22));
    for (std::size_t pos = 22; pos < bytes.size(); pos += 2) DeliverBytes(bytes.substr(pos, 2));
    return (bytes.size() - 22) / 2 + 1;
  };
  EXPECT_EQ(deliverInPieces(125), 100u);
  EXPECT_EQ(net.sent().size(), 1u);
  EXPECT_EQ(deliverInPieces(127), 101u);
  EXPECT_EQ(net.sent().size(), 1u);
}

TEST_F(OpenLinkTest, ReceiveErrorsTellAWarningFromTheEnd) {
  ASSERT_EQ(link->Open(), 0);
  net.queueReceiveError(kNetConnectionReset);
  EXPECT_TRUE(link->ReceiveStep());
  EXPECT_TRUE(link->ReceiveStep());  // nothing arrived
  net.queueReceiveError(kNetInterrupted);
  EXPECT_FALSE(link->ReceiveStep());
  net.queueReceiveError(10050);
  EXPECT_FALSE(link->ReceiveStep());
  auto log = link->ReceiveLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].detail, "recvfrom ERROR 10054");
  EXPECT_EQ(log[0].description, "受信警告");
  EXPECT_EQ(log[1].detail, "recvfrom ERROR 10050");
  EXPECT_EQ(log[1].description, "受信エラー");
}

TEST_F(OpenLinkTest, TheQueueRefusesThe50thJobAndTheSendThreadRunsJobs) {
  for (int i = 0; i < 49; ++i) ASSERT_EQ(link->Enqueue("OPEN_CHECK_R", "G1", ""), 0);
  EXPECT_EQ(link->Enqueue("OPEN_CHECK_R", "G1", ""), -1);
  EXPECT_EQ(LastSendLog().detail, "公開送信受渡バッファ溢れ");
  EXPECT_EQ(LastSendLog().description, "バッファエラー");
  EXPECT_EQ(LastSendLog().kind, "送信");
  OpenSendJob job;
  ASSERT_EQ(link->Dequeue(job), 0);
  EXPECT_EQ(job.sequence, 1u);
  EXPECT_EQ(job.queuedAt, "030405");
  EXPECT_EQ(link->Enqueue("OPEN_CHECK_R", "G1", ""), 0);
  link->ResetQueue();
  EXPECT_EQ(link->Dequeue(job), -1);

  ASSERT_EQ(link->Open(), 0);
  for (auto [kind, p1, p2] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"OPEN_CHECK_R", "G1", ""}, {"OPEN_INFO_R", "", "text"}, {"OPEN_END_N", "G1", ""},
           {"MAINTE_ALLIP_R", "", ""}, {"BOGUS", "", ""}}) {
    link->Enqueue(kind, p1, p2);
  }
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(link->SendStep());
  // Every job taken is told first: the tab's idle count starts over.
  EXPECT_EQ(tab.calls(), (std::vector<std::string>{"JobTaken", "JobTaken", "PublishRequest(text)",
                                                   "JobTaken", "SendEndToAll(G1)", "JobTaken",
                                                   "JobTaken", "IdleWork"}));
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][kFieldKind], "OPEN_CHECK_R");
  EXPECT_EQ(sent[1][kFieldKind], "MAINTE_ALLIP_R");
  EXPECT_EQ(clock.waits().back(), 100);
}

TEST_F(OpenLinkTest, TheSendLogKeepsTheNewest30) {
  for (int i = 0; i < 35; ++i) link->LogSend(std::to_string(i), "d", 1);
  auto log = link->SendLog();
  ASSERT_EQ(log.size(), 30u);
  EXPECT_EQ(log.front().detail, "5");
  EXPECT_EQ(log.back().detail, "34");
}

TEST_F(OpenLinkTest, StopResendsTheWakeUpTwentyTimesToThisComputerOnly) {
  link->Start();
  ASSERT_EQ(link->bodies.size(), 2u);
  EXPECT_FALSE(link->Stop()) << "threads that never answer are not joined";
  auto sent = net.sent();
  ASSERT_EQ(sent.size(), 21u);
  for (const auto& datagram : sent) {
    EXPECT_EQ(datagram.bytes, "0");
    EXPECT_EQ(datagram.to, (NetEndpoint{kIpv4Loopback, 27089}));
  }
  // 20 rounds for each thread's answer, 20 more for the bodies to return: then it gives up.
  EXPECT_EQ(clock.waits().size(), 60u);
  EXPECT_TRUE(link->IsOpen());
  // Threads that get to run only now still see the stop asked during their start delay.
  for (auto& body : link->bodies) body();
  EXPECT_TRUE(link->Stop());
  EXPECT_FALSE(link->IsOpen());
  EXPECT_EQ(net.openSockets(), 0);
}

// A tab whose PublishRequest holds the send thread until the test lets it go.
class HeldOpenTab : public lantest::RecordingOpenTab {
 public:
  std::promise<void> entered;
  std::promise<void> release;
  void PublishRequest(const std::string&) override {
    entered.set_value();
    release.get_future().wait();
  }
};

TEST(OpenLinkStopTest, AThreadInsideATabCallBoundsTheStopInsteadOfHangingIt) {
  FakeClock clock;
  FakeNet net;
  HeldOpenTab tab;
  COpenSocket link(net, clock, LinkSettings{27089, "", false, "me"});
  link.AttachTab(&tab);
  link.Start();
  ASSERT_TRUE(link.IsOpen());
  link.Enqueue("OPEN_INFO_R", "", "text");
  tab.entered.get_future().wait();
  EXPECT_FALSE(link.Stop());
  EXPECT_TRUE(link.StopRequested());
  tab.release.set_value();
  ASSERT_TRUE(lantest::WaitFor([&] { return link.RunningThreads() == 0; }));
  EXPECT_TRUE(link.Stop());
  EXPECT_FALSE(link.IsOpen());
}

TEST(TabGateTest, ADetachReturnsOnlyAfterTheCallInProgressAndNoCallFollows) {
  FakeClock clock;
  lantest::RecordingOpenTab tab;
  TabGate<OpenTabOperations> gate;
  gate.Attach(&tab, clock);
  auto use = std::make_optional(gate.Enter());
  ASSERT_TRUE(*use);
  clock.schedule(50, [&] { use.reset(); });
  gate.Detach(clock);
  EXPECT_GE(clock.milliseconds(), 50u) << "waited for the call to return";
  EXPECT_FALSE(gate.Enter());
  EXPECT_FALSE(gate.Attached());
}

TEST_F(OpenLinkTest, EndNoticesUseThePreviousAddressAndPortUntilTheRestart) {
  link->Start();
  link->ChangeSettings(LinkSettings{27100, "10.9.9.9", false, "me"});
  EXPECT_EQ(link->SendEnd("10.1.2.7", "G1"), 0);
  ASSERT_EQ(net.sent().size(), 1u);
  EXPECT_EQ(net.sent()[0].to, (NetEndpoint{Ip(10, 1, 2, 7), 27089}));
  EXPECT_EQ(Sent()[0][kFieldSender], "10.1.2.3");
  net.clearSent();
  // The held thread bodies run during the stop's first wait and see its request.
  clock.schedule(0, [&] {
    for (auto& body : link->bodies) body();
  });
  link->Restart(1);
  EXPECT_EQ(tab.calls(), (std::vector<std::string>{"AnnounceEnd(0,G1)", "Join(G1)", "RefreshList"}));
  EXPECT_EQ(net.sent().front().to.port, 27089) << "the wake-up reaches the old socket";
  EXPECT_EQ(link->PreviousPort(), 0);
  EXPECT_EQ(link->OwnAddress(), "10.9.9.9");
  EXPECT_EQ(net.boundEndpoint().port, 27100);
  EXPECT_FALSE(link->Restarting());
}

TEST_F(OpenLinkTest, StatusModelTellsTheStateAndListsBothLogs) {
  EXPECT_FALSE(OpenLinkStatus(*link, "G1").available);
  EXPECT_EQ(OpenLinkStatus(*link, "G1").unavailableMessage, "現在表示できる情報はありません　");
  net.failNext(Op::kBind, 10048);
  link->Start();
  LinkStatusModel failed = OpenLinkStatus(*link, "G1");
  EXPECT_EQ(failed.socketState, " ソケットが正しく開設されていません");
  ASSERT_EQ(failed.sendRows.size(), 1u);
  EXPECT_EQ(failed.sendRows[0].detail, "bind ERROR 10048");
  link->Start();
  LinkStatusModel model = OpenLinkStatus(*link, "G1");
  EXPECT_EQ(model.caption, "公開の情報／エラー情報");
  EXPECT_EQ(model.socketState, " 正常");
  EXPECT_EQ(model.port, " 27089");
  EXPECT_EQ(model.ownAddress, "10.1.2.3");
  ASSERT_EQ(model.columns.size(), 3u);
  EXPECT_EQ(model.columns[1].title, "ｴﾗｰ内容");
  EXPECT_EQ(model.columns[1].width, 240);
}

}  // namespace
}  // namespace qb
