// The Open tab's list on the fake Net and virtual time: the publisher rows, the requests and
// their counts, the idle work, change sync with its echo ring, the sync slots, groups.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

#include "lan/ipv4_text.h"
#include "lan/open_list.h"
#include "lan_test_support.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/scripted_ui.h"
#include "platform/net/fake_net.h"

namespace qb {
namespace {

using lantest::HeadFrom;
using lantest::Ip;

// Posted work waits until the test runs it, as the window thread would.
class RecordingHost : public OpenTabHost {
 public:
  std::deque<std::function<void()>> posted;
  std::optional<std::string> clipboard = std::string("local");
  std::vector<std::pair<std::string, bool>> putTexts;
  std::function<void(const std::string&)> afterPut;  // the capture's notice of the write
  int saves = 0;

  void postToWindowThread(std::function<void()> work) override { posted.push_back(std::move(work)); }
  std::optional<std::string> clipboardText() override { return clipboard; }
  int putSyncedText(std::string_view text, bool intoHistory) override {
    putTexts.emplace_back(std::string(text), intoHistory);
    clipboard = std::string(text);
    if (afterPut) afterPut(std::string(text));
    return 0;
  }
  void saveSettings() override { ++saves; }
  void rowsShown() override {}
  void tabStateChanged() override {}

  void RunPosted() {
    while (!posted.empty()) {
      auto work = std::move(posted.front());
      posted.pop_front();
      work();
    }
  }
};

constexpr const char* kOwn = "10.1.2.3";

class OpenListTest : public ::testing::Test {
 protected:
  FakeClock clock{DateTime{2007, 1, 2, 3, 4, 5, 0, 2}};
  FakeNet net;
  ScriptedUi ui;
  EnvironmentSettings settings;
  RecordingHost host;
  std::unique_ptr<lantest::HeldThreadsLink> link;
  std::unique_ptr<COpenList> list;
  std::size_t echoed = 0;

  void SetUp() override {
    net.setHostAddresses({Ip(10, 1, 2, 3)});
    settings.Open_Enable = 1;
    settings.Open_Group = {"G1", "G2"};
    settings.Open_Group_Cnt = 2;
    settings.Open_Group_Idx = 0;
    link = std::make_unique<lantest::HeldThreadsLink>(net, clock,
                                                      LinkSettings{27089, kOwn, false, "me"});
    list = std::make_unique<COpenList>(OpenListParts{*link, clock, ui, settings, host});
    link->AttachTab(list.get());
    ASSERT_EQ(link->Open(), 0);
    InGroup();
  }
  // The tab is in group G1, its check request not sent.
  void InGroup() {
    list->JoinCurrentGroup();
    link->ResetQueue();
  }
  void NewList() {
    list = std::make_unique<COpenList>(OpenListParts{*link, clock, ui, settings, host});
    link->AttachTab(list.get());
    InGroup();
  }
  void TearDown() override { link->AttachTab(nullptr); }

  void Receive(const std::string& text, const std::string& from) {
    std::uint32_t source = 0;
    ParseIpv4(from, source);
    net.queueDatagram(Scramble(text), NetEndpoint{source, 27089});
    link->ReceiveStep();
    host.RunPosted();
  }
  // An OPEN_INFO of a publisher, with its version in field 7.
  void Info(std::string_view kind, const std::string& from, const std::string& name,
            const std::string& text, bool publishing = true, const std::string& version = "V3.34") {
    std::string envelope = BuildOpenInfo(kind, HeadFrom(from, "G1"), name, publishing, text);
    std::size_t at = envelope.find(":::V3.34:::");
    envelope.replace(at + 3, 5, version);
    Receive(envelope, from);
  }
  void Steps(int count) {
    for (int i = 0; i < count; ++i) link->SendStep();
    host.RunPosted();
  }
  // What went to this computer (its address or a broadcast) comes back to it, as on a LAN.
  void EchoOwn() {
    for (int round = 0; round < 20; ++round) {
      auto sent = net.sent();
      if (echoed == sent.size()) return;
      for (; echoed < sent.size(); ++echoed) {
        std::uint32_t to = sent[echoed].to.address;
        if (to != Ip(10, 1, 2, 3) && to != Ip(10, 1, 2, 255) && to != kIpv4Broadcast) continue;
        net.queueDatagram(sent[echoed].bytes, NetEndpoint{Ip(10, 1, 2, 3), 27089});
        link->ReceiveStep();
      }
      host.RunPosted();
    }
  }
  // The kinds sent to one address, in order.
  std::vector<std::string> KindsTo(std::uint32_t address) {
    std::vector<std::string> kinds;
    for (const auto& datagram : net.sent()) {
      if (datagram.to.address == address) {
        kinds.push_back(ParseEnvelope(Unscramble(datagram.bytes))[kFieldKind]);
      }
    }
    return kinds;
  }
  int Count(const std::vector<std::string>& kinds, std::string_view kind) {
    return static_cast<int>(std::count(kinds.begin(), kinds.end(), kind));
  }
  std::string Cell(int row, int column) { return list->text(row, column); }
};

TEST_F(OpenListTest, AComputerAloneListsItselfFirstOnceItsCheckRequestReturns) {
  link->SetPublishing(true);
  list->OnClipboardChanged(std::string(9000, 'x'), false);
  list->JoinCurrentGroup();
  Steps(2);
  EchoOwn();
  Steps(1);
  EchoOwn();
  ASSERT_EQ(list->rowCount(), 1);
  EXPECT_EQ(Cell(0, open_col::kAddress), kOwn);
  EXPECT_EQ(Cell(0, open_col::kOrder), "00000000");
  EXPECT_EQ(Cell(0, open_col::kName), "me");
  EXPECT_EQ(Cell(0, open_col::kSize), "00008192") << "published as its first 8192 bytes";
  EXPECT_EQ(Cell(0, open_col::kState), "2");
  // A peer that came first is still listed after the own row.
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "p");
  list->SyncRows();
  ASSERT_EQ(list->rowCount(), 2);
  EXPECT_EQ(Cell(1, open_col::kAddress), "10.1.2.7");
  EXPECT_EQ(Cell(1, open_col::kOrder), "00000001");
  EXPECT_EQ(Cell(1, open_col::kVersion), "V3.34");
  EXPECT_EQ(Cell(1, open_col::kUpdates), "1");
}

TEST_F(OpenListTest, ASilentPublisherGetsSevenRequestsThenShowsState3) {
  link->SetPublishing(true);
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "p");
  list->OnClipboardChanged("mine", false);
  Steps(1);  // the queued request goes to every listed publisher
  Steps(10 * 12);
  EXPECT_EQ(Count(KindsTo(Ip(10, 1, 2, 7)), kOpenInfoRequest), 7);
  list->SyncRows();
  EXPECT_EQ(Cell(0, open_col::kState), "3");
  EXPECT_EQ(Cell(0, open_col::kRequests), "7");
  EXPECT_EQ(Cell(0, open_col::kRequestId), "OPEN_INFO_R");
  EXPECT_EQ(Cell(0, open_col::kRequestTime), "20070102030405") << "the first request's time";
  // The answer at last: six of the seven count as errors, the row is answered again.
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "p2");
  list->SyncRows();
  EXPECT_EQ(Cell(0, open_col::kState), "2");
  EXPECT_EQ(Cell(0, open_col::kErrors), "6");
  EXPECT_EQ(Cell(0, open_col::kRequests), "0");
  EXPECT_TRUE(Cell(0, open_col::kRequestId).empty());
}

TEST_F(OpenListTest, AnEmptyListAsksAgainEvery21SecondsTwelveTimesAtMost) {
  list->JoinCurrentGroup();
  Steps(1);
  std::vector<int> at;
  for (int tick = 1; tick <= 10 * 21 * 14; ++tick) {
    std::size_t before = net.sent().size();
    link->SendStep();
    if (net.sent().size() > before) at.push_back(tick);
  }
  ASSERT_EQ(at.size(), 12u);
  EXPECT_EQ(at[0], 211) << "the job is queued on the 210th idle tick and sent on the next";
  EXPECT_EQ(at[1] - at[0], 211);
  for (const auto& datagram : net.sent()) {
    EXPECT_EQ(ParseEnvelope(Unscramble(datagram.bytes))[kFieldKind], "OPEN_CHECK_R");
  }
  // A listed publisher ends the asking.
  net.clearSent();
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "p");
  list->JoinCurrentGroup();
  Steps(1 + 10 * 21 * 2);
  EXPECT_EQ(Count(KindsTo(Ip(10, 1, 2, 255)), kOpenCheckRequest), 1) << "only the join's";
}

TEST_F(OpenListTest, ChangeSyncWritesTheClipboardOnceAndTheEchoIsNotPublishedBack) {
  settings.OpenSameIP[3] = "10.1.2.7";
  NewList();
  link->SetPublishing(true);
  host.afterPut = [&](const std::string& text) { list->OnClipboardChanged(text, false); };
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "hello");
  ASSERT_EQ(host.putTexts.size(), 1u);
  EXPECT_EQ(host.putTexts[0], (std::pair<std::string, bool>{"hello", false}));
  EXPECT_EQ(link->QueuedJobs(), 0u) << "the synced text is not announced back";
  EXPECT_EQ(list->TextToPublish(), "hello") << "but it is this computer's clipboard now";
  // The same text again changes nothing; a new one is taken.
  Info(kOpenInfoRequest, "10.1.2.7", "peer", "hello");
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "again");
  EXPECT_EQ(host.putTexts.size(), 2u);
  // Back to "hello" within 3000 ms of taking it: the ring holds it.
  clock.advance(1000);
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "hello");
  EXPECT_EQ(host.putTexts.size(), 2u);
  clock.advance(2500);
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "again");
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "hello");
  EXPECT_EQ(host.putTexts.size(), 3u);
  // A text the user copies is announced as ever.
  list->OnClipboardChanged("typed", false);
  EXPECT_EQ(link->QueuedJobs(), 1u);
}

TEST_F(OpenListTest, ChangeSyncLeavesAloneWhatIsNotANewTextOfASyncedPeer) {
  settings.OpenSameIP = {"10.1.2.7", "10.1.2.3", "10.1.2.8"};
  settings.OpenSameHistFlg = {1, 0, 0};
  NewList();
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "<< 未公開 >>", false);
  Info(kOpenInfoAnswer, "10.1.2.3", "me", "own text");
  host.clipboard = "same";
  Info(kOpenInfoAnswer, "10.1.2.8", "third", "same");
  Info(kOpenInfoAnswer, "10.1.2.9", "not synced", "other");
  EXPECT_TRUE(host.putTexts.empty());
  // With the history flag the text goes into the History under the publisher's name.
  Info(kOpenInfoAnswer, "10.1.2.7", "peer", "into history");
  ASSERT_EQ(host.putTexts.size(), 1u);
  EXPECT_TRUE(host.putTexts[0].second);
  EXPECT_EQ(list->TakePublisherOf("into history"), std::optional<std::string>("peer"));
  EXPECT_EQ(list->TakePublisherOf("into history"), std::nullopt) << "taken once";
}

TEST_F(OpenListTest, APeerBelowV320CannotBeSyncedAndLosesAnOldSync) {
  settings.OpenSameIP[0] = "10.1.2.7";
  settings.OpenSameHistFlg[0] = 1;
  NewList();
  Info(kOpenInfoAnswer, "10.1.2.7", "old", "t", true, "V3.10");
  list->SyncRows();
  EXPECT_EQ(Cell(0, open_col::kSync), "0");
  EXPECT_TRUE(settings.OpenSameIP[0].empty());
  EXPECT_EQ(settings.OpenSameHistFlg[0], 0);
  list->ToggleSync(0);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "相手先のバージョンがV3.10です。\n「変更の同期」を設定するには、相手先がV3.20以上の必要があります。　");
}

TEST_F(OpenListTest, TenSyncSlotsAtMostAndAResetClearsListedRowsToo) {
  for (int i = 0; i < 11; ++i) Info(kOpenInfoAnswer, "10.1.2." + std::to_string(10 + i), "p", "t");
  list->SyncRows();
  for (int row = 0; row < 10; ++row) {
    ui.expectAnswer(row == 0 ? MessageAnswer::kYes : MessageAnswer::kNo);
    list->ToggleSync(row);
  }
  EXPECT_EQ(Cell(0, open_col::kSync), "2");
  EXPECT_EQ(Cell(1, open_col::kSync), "1");
  EXPECT_EQ(settings.OpenSameIP[9], "10.1.2.19");
  EXPECT_EQ(settings.OpenSameHistFlg[0], 1);
  list->ToggleSync(10);
  EXPECT_EQ(ui.boxes().back().text, "変更の同期設定が最大数の 10 を越えました。これ以上設定できません　");
  list->ToggleSync(1);
  EXPECT_EQ(ui.boxes().back().text, "同期を解除しました　");
  EXPECT_EQ(Cell(1, open_col::kSync), "0");
  EXPECT_TRUE(settings.OpenSameIP[1].empty());
  ui.expectAnswer(MessageAnswer::kYes);
  list->ResetSync();
  EXPECT_EQ(ui.boxes().back().text, "初期化が完了しました　");
  EXPECT_EQ(Cell(0, open_col::kSync), "0");
  EXPECT_TRUE(settings.OpenSameIP[0].empty());
  EXPECT_TRUE(ui.unexpected().empty());
}

TEST_F(OpenListTest, ClipboardChangesAnnounceWhilePublishingAndTheEndOfItOnce) {
  list->OnClipboardChanged("a", false);
  list->OnClipboardChanged("b", false);
  EXPECT_EQ(link->QueuedJobs(), 1u) << "not publishing: peers hear it once";
  link->ResetQueue();
  host.clipboard = "now";
  list->TogglePublishing();
  OpenSendJob job;
  ASSERT_EQ(link->Dequeue(job), 0);
  EXPECT_EQ(job.parameter2, "now");
  list->OnClipboardChanged("c", false);
  list->OnClipboardChanged("d", false);
  EXPECT_EQ(link->QueuedJobs(), 2u);
  link->ResetQueue();
  list->TogglePublishing();
  list->OnClipboardChanged("e", false);
  EXPECT_EQ(link->QueuedJobs(), 1u) << "the end of publishing, once";
  // OpenNullNoGet=1: an empty clipboard is not published unless forced.
  link->ResetQueue();
  list->TogglePublishing();
  link->ResetQueue();
  settings.OpenNullNoGet = 1;
  list->OnClipboardChanged("", false);
  EXPECT_EQ(link->QueuedJobs(), 0u);
  EXPECT_EQ(list->TextToPublish(), "now") << "the last text stays published";
  list->OnClipboardChanged("", true);
  EXPECT_EQ(link->QueuedJobs(), 1u);
  settings.Open_Enable = 0;
  list->OnClipboardChanged("f", false);
  EXPECT_EQ(link->QueuedJobs(), 1u);
}

TEST_F(OpenListTest, SwitchingGroupEndsTheOldOneForOthersAndEmptiesTheListFirst) {
  list->JoinCurrentGroup();
  Steps(1);
  Info(kOpenInfoAnswer, kOwn, "me", "x");
  Info(kOpenInfoAnswer, "10.1.2.7", "a", "x");
  Info(kOpenInfoAnswer, "10.1.2.8", "b", "x");
  net.clearSent();
  ASSERT_EQ(list->SwitchGroup(1), 0);
  EXPECT_EQ(settings.Open_Group_Idx, 1);
  EXPECT_EQ(host.saves, 1);
  Steps(1);
  EXPECT_EQ(list->publishers().size(), 0u);
  Steps(1);
  auto sent = net.sent();
  ASSERT_EQ(sent.size(), 3u);
  std::vector<std::pair<std::string, std::string>> got;
  for (const auto& datagram : sent) {
    ParsedDatagram parsed = ParseEnvelope(Unscramble(datagram.bytes));
    got.emplace_back(parsed[kFieldKind] + " " + FormatIpv4(datagram.to.address), parsed[kFieldScope]);
  }
  EXPECT_EQ(got, (std::vector<std::pair<std::string, std::string>>{
                     {"OPEN_END_N 10.1.2.7", "G1"},
                     {"OPEN_END_N 10.1.2.8", "G1"},
                     {"OPEN_CHECK_R 10.1.2.255", "G2"}}));
  settings.Open_Group_Cnt = 0;
  EXPECT_EQ(list->SwitchGroup(0), -1);
  EXPECT_EQ(ui.boxes().back().text, "公開グループ名が存在しません");
}

TEST_F(OpenListTest, ANonPublishingComputersTextIsNotHandedOut) {
  Info(kOpenInfoAnswer, "10.1.2.7", "quiet", "<< 未公開 >>", false);
  Info(kOpenInfoAnswer, "10.1.2.8", "open", "shared text:::with separators");
  list->SyncRows();
  EXPECT_EQ(list->SelectedText(0), "");
  EXPECT_EQ(ui.boxes().back().text, "このコンピュータは公開していません");
  std::string value;
  list->valueForUse(1, value);
  EXPECT_EQ(value, "shared text:::with separators");
  EXPECT_EQ(ui.boxes().size(), 1u);
  // OPEN_END_N removes the publisher.
  Receive(BuildOpenNotice(kOpenEndNotice, HeadFrom("10.1.2.7", "G1")), "10.1.2.7");
  EXPECT_FALSE(list->publishers().Find("10.1.2.7"));
}

TEST_F(OpenListTest, LineBreaksAndTabsShowAsDotsWhenTheDisplayOptionIsOn) {
  settings.KaigyoTabDsp = 1;
  list->SyncRows();
  Info(kOpenInfoAnswer, "10.1.2.7", "p", "a\r\nb\tc");
  list->SyncRows();
  EXPECT_EQ(Cell(0, open_col::kValue), "a･･b･c");
  EXPECT_EQ(Cell(0, open_col::kText), "a\r\nb\tc");
}

}  // namespace
}  // namespace qb
