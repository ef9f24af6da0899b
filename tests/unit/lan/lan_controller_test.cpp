// The links as the program runs them: the start-up order with the own addresses written back,
// ports refused before opening, settings changes, and the end at exit.
#include <gtest/gtest.h>

#include "lan/ipv4_text.h"
#include "lan/lan_controller.h"
#include "lan/open_list.h"
#include "lan/shared_list.h"
#include "lan_test_support.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "platform/net/fake_net.h"
#include "wire_support.h"

namespace qb {
namespace {

using lantest::Ip;

// Posted work is kept, never run: the rows are not what these tests look at.
class KeepingHost : public OpenTabHost, public SharedTabHost {
 public:
  void postToWindowThread(std::function<void()> work) override {
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(work));
  }
  std::optional<std::string> clipboardText() override { return std::string("clip"); }
  int putSyncedText(std::string_view, bool) override { return 0; }
  void saveSettings() override {}
  void rowsShown() override {}
  void tabStateChanged() override {}
  bool mainWindowVisible() override { return true; }

 private:
  std::mutex mutex_;
  std::vector<std::function<void()>> posted_;
};

class LanControllerTest : public ::testing::Test {
 protected:
  // The links' threads really run: their waits take real time, as in the program.
  lantest::WireClock clock;
  FakeClock fileClock;
  FakeNet net;
  FakeFileSystem fs{fileClock};
  ScriptedUi ui;
  EnvironmentSettings settings;
  KeepingHost host;
  std::unique_ptr<LanController> lan;
  std::unique_ptr<COpenList> open;
  std::unique_ptr<CSharedList> shared;

  void SetUp() override {
    net.setHostAddresses({kIpv4Loopback, Ip(10, 1, 2, 3)});
    settings.Open_Enable = 1;
    settings.Common_Enable = 1;
    settings.Lan_Port_Flg = 1;
    settings.CommLan_Port_Flg = 1;
    settings.MyIp = "172.16.9.9";  // no longer this computer's
    settings.Open_Group = {"G1"};
    settings.Open_Group_Cnt = 1;
    settings.OpenSave = 1;
  }
  void Build() {
    lan = std::make_unique<LanController>(net, clock, settings);
    open = std::make_unique<COpenList>(OpenListParts{lan->publishLink(), clock, ui, settings, host});
    shared = std::make_unique<CSharedList>(
        SharedListParts{fs, clock, ui, settings, lan->shareLink(), host, "C:\\QB\\"});
    lan->AttachTabs(open.get(), shared.get());
  }
  void TearDown() override {
    if (lan) {
      EXPECT_TRUE(lan->Stop());
    }
  }
  bool SentKind(std::string_view kind, std::uint32_t to) {
    for (const auto& datagram : net.sent()) {
      if (datagram.to.address == to && ParseEnvelope(Unscramble(datagram.bytes))[kFieldKind] == kind) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(LanControllerTest, StartOpensBothLinksWritesTheAddressesBackAndJoinsPublishing) {
  Build();
  lan->Start();
  EXPECT_TRUE(lan->publishLink().IsOpen());
  EXPECT_TRUE(lan->shareLink().IsOpen());
  EXPECT_EQ(settings.MyIp, "10.1.2.3");
  EXPECT_EQ(settings.CommMyIp, "10.1.2.3");
  EXPECT_EQ(lan->publishLink().Settings().port, 27089);
  EXPECT_EQ(lan->shareLink().Settings().port, 27079);
  EXPECT_TRUE(lan->Publishing()) << "OpenSave=1";
  EXPECT_EQ(open->CurrentGroup(), "G1");
  EXPECT_TRUE(lantest::WaitFor([&] { return SentKind(kOpenCheckRequest, Ip(10, 1, 2, 255)); }));
}

TEST_F(LanControllerTest, BadOrEqualPortsAreRefusedBeforeOpeningAndShownInTheStatus) {
  settings.Lan_Port_Flg = 0;
  settings.Lan_UserPort = 80;
  Build();
  lan->Start();
  EXPECT_FALSE(lan->publishLink().IsOpen());
  EXPECT_TRUE(lan->publishLink().WasStarted());
  EXPECT_EQ(lan->publishLink().SendLog().back().description, "ポート番号は1024～65535の範囲で指定してください");
  EXPECT_TRUE(lan->shareLink().IsOpen());
  EXPECT_TRUE(lan->Stop());
  settings.Lan_UserPort = 27079;
  Build();
  lan->Start();
  EXPECT_TRUE(lan->publishLink().IsOpen());
  EXPECT_FALSE(lan->shareLink().IsOpen());
  EXPECT_EQ(lan->shareLink().SendLog().back().description,
            "ポート番号が公開機能と共有機能で同じ値が指定されています。　\n別々の値を指定してください。");
}

TEST_F(LanControllerTest, ANewPortRestartsWithTheEndNoticeFromTheOldOneAndTheExitEndsBoth) {
  Build();
  lan->Start();
  ParsedDatagram peer = ParseEnvelope(
      BuildOpenInfo(kOpenInfoAnswer, lantest::HeadFrom("10.1.2.7", "G1"), "peer", true, "t"));
  open->UpdatePublisher(peer);
  settings.Lan_Port_Flg = 0;
  settings.Lan_UserPort = 30000;
  lan->ApplySettings();
  EXPECT_EQ(net.boundEndpoint().port, 30000) << "bound again";
  EXPECT_TRUE(lan->shareLink().IsOpen());
  EXPECT_EQ(lan->publishLink().Settings().port, 30000);
  bool endFromOldPort = false;
  for (const auto& datagram : net.sent()) {
    ParsedDatagram parsed = ParseEnvelope(Unscramble(datagram.bytes));
    if (parsed[kFieldKind] == kOpenEndNotice && datagram.to == NetEndpoint{Ip(10, 1, 2, 7), 27089}) {
      endFromOldPort = true;
    }
  }
  EXPECT_TRUE(endFromOldPort);
  settings.Common_Enable = 0;
  lan->ApplySettings();
  EXPECT_FALSE(lan->shareLink().IsOpen());
  EXPECT_TRUE(lan->Stop());
  EXPECT_FALSE(lan->publishLink().IsOpen());
  lan.reset();
}

}  // namespace
}  // namespace qb
