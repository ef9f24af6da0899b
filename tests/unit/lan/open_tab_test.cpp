// The Open tab's commands: copying a publisher's text, adding a group, the menu, the status.
#include <gtest/gtest.h>

#include "app/tablist/menu_commands.h"
#include "lan/open_commands.h"
#include "lan/open_tab.h"
#include "lan_test_support.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_keyboard.h"
#include "platform/fake/scripted_ui.h"
#include "platform/net/fake_net.h"

namespace qb {
namespace {

class QuietHost : public OpenTabHost, public PasteHost {
 public:
  std::vector<std::string> clipboardWrites;
  // OpenTabHost
  void postToWindowThread(std::function<void()> work) override { work(); }
  std::optional<std::string> clipboardText() override { return std::nullopt; }
  int putSyncedText(std::string_view, bool) override { return 0; }
  void saveSettings() override {}
  void rowsShown() override {}
  void tabStateChanged() override {}
  // PasteHost
  bool isOwnWindow(WindowId) override { return false; }
  WindowId mainWindow() override { return 1; }
  bool alwaysOnTop() override { return false; }
  int putTextOnClipboard(std::string_view text) override {
    clipboardWrites.emplace_back(text);
    return 0;
  }
  void leaveLinkAndRefresh() override {}
  bool runPartialSelection(PartialSelectionModel&) override { return false; }
  void storePastedValue(std::string_view, bool) override {}
};

class ScriptedDialogs : public OpenTabDialogs {
 public:
  std::string typed;
  std::vector<std::string> shown;
  bool runGroupName(PublishGroupNameModel& model) override { return model.accept(typed); }
  void showContent(const std::string& value) override { shown.push_back(value); }
  void showLinkStatus(const LinkStatusModel& model) override { shown.push_back(model.caption); }
};

class OpenTabTest : public ::testing::Test {
 protected:
  FakeClock clock;
  FakeNet net;
  ScriptedUi ui;
  EnvironmentSettings settings;
  QuietHost host;
  ScriptedDialogs dialogs;
  FakeDesktop desktop{clock};
  FakeKeyboard keyboard{clock, nullptr};
  WorkingWindow working;
  PasteEngine engine{PastePorts{desktop, keyboard, clock, ui}, host, working, PasteSettings{}};
  lantest::HeldThreadsLink link{net, clock, LinkSettings{27089, "", false, "me"}};
  COpenList list{OpenListParts{link, clock, ui, settings, host}};
  int linkStarts = 0;
  OpenTab tab{OpenTabParts{list, link, engine, settings, ui, dialogs, [&] { ++linkStarts; }, {}, {}}};

  void SetUp() override {
    settings.Open_Enable = 1;
    link.AttachTab(&list);
  }
  void TearDown() override { link.AttachTab(nullptr); }
  void Publisher(const std::string& from, bool publishing, const std::string& text) {
    settings.Open_Group = {"G1"};
    settings.Open_Group_Cnt = 1;
    list.JoinCurrentGroup();
    ParsedDatagram fields = ParseEnvelope(BuildOpenInfo(
        kOpenInfoAnswer, lantest::HeadFrom(from, "G1"), "peer", publishing, text));
    list.UpdatePublisher(fields);
  }
};

TEST_F(OpenTabTest, CopyAndViewTakeThePublishersTextAndRefuseANonPublishingOne) {
  Publisher("10.1.2.7", true, "their text");
  Publisher("10.1.2.8", false, "<< 未公開 >>");
  tab.runMenuCommand(0, menu_command::kCopyToClipboard);
  EXPECT_EQ(host.clipboardWrites, std::vector<std::string>{"their text"});
  tab.runMenuCommand(0, menu_command::kContentView);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"their text"});
  tab.runMenuCommand(1, menu_command::kContentView);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(ui.boxes().back().text, "このコンピュータは公開していません");
}

TEST_F(OpenTabTest, AddingAGroupStartsTheLinkAndMakesItCurrentUpToTen) {
  dialogs.typed = "a:::b";
  tab.addGroup();
  EXPECT_EQ(ui.boxes().back().text, "':::' は入力できません");
  EXPECT_EQ(settings.Open_Group_Cnt, 0);
  dialogs.typed = "Team";
  tab.addGroup();
  EXPECT_EQ(settings.Open_Group_Cnt, 1);
  EXPECT_EQ(settings.Open_Group[0], "Team");
  EXPECT_EQ(linkStarts, 1);
  EXPECT_EQ(list.CurrentGroup(), "Team");
  EXPECT_EQ(tab.groupMenu().entries().size(), 3u) << "the group, a separator, the add entry";
  EXPECT_TRUE(tab.groupMenu().entries()[0].checked);
  tab.addGroup();
  EXPECT_EQ(ui.boxes().back().text, "この公開グループ名は既に登録されています　");
  settings.Open_Group_Cnt = 10;
  tab.addGroup();
  EXPECT_EQ(ui.boxes().back().text, "公開グループ名の登録は最大数に達しています");
}

TEST_F(OpenTabTest, TheMenuOffersOnlyWhatTheProgramHasAndMarksASyncedRow) {
  Publisher("10.1.2.7", true, "t");
  MenuModel menu = tab.menu(0, TabMenuContext{});
  EXPECT_FALSE(menu.contains(menu_command::kCopyToGroupPlaceholder));
  EXPECT_FALSE(menu.contains(menu_command::CopyToSaveGroupCommand(0)));
  EXPECT_FALSE(menu.contains(menu_command::kCopyToShared));
  ASSERT_TRUE(menu.contains(open_command::kToggleSync));
  EXPECT_FALSE(menu.find(open_command::kToggleSync)->checked);
  list.SyncRows();
  ui.expectAnswer(MessageAnswer::kNo);
  list.ToggleSync(0);
  EXPECT_TRUE(tab.menu(0, TabMenuContext{}).find(open_command::kToggleSync)->checked);
}

TEST_F(OpenTabTest, TheStatusOfALinkNeverStartedIsAMessage) {
  tab.showStatus();
  EXPECT_EQ(ui.boxes().back().text, "現在表示できる情報はありません　");
  link.Start();
  tab.showStatus();
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"公開の情報／エラー情報"});
}

}  // namespace
}  // namespace qb
