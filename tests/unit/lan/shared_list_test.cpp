// The Shared tab on the in-memory file system: the folder's files, items with their flag
// letters, the lock, the cache, the peers and the reload after a notice.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "base/byte_shift.h"
#include "lan/ipv4_text.h"
#include "lan/shared_list.h"
#include "lan_test_support.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "platform/net/fake_net.h"

namespace qb {
namespace {

using lantest::Ip;

constexpr const char* kHome = "C:\\QB\\";
constexpr const char* kFolder = "\\\\server\\share\\team";

class RecordingSharedHost : public SharedTabHost {
 public:
  std::deque<std::function<void()>> posted;
  bool visible = false;
  std::vector<std::string> notes;
  void postToWindowThread(std::function<void()> work) override { posted.push_back(std::move(work)); }
  void saveSettings() override {}
  void rowsShown() override {}
  void tabStateChanged() override {}
  bool mainWindowVisible() override { return visible; }
  void showWorkingNote(std::string_view text) override { notes.emplace_back(text); }
  void RunPosted() {
    while (!posted.empty()) {
      auto work = std::move(posted.front());
      posted.pop_front();
      work();
    }
  }
};

// One computer: its share link, settings and Shared list over a file system it shares.
struct Computer {
  Computer(FakeFileSystem& fs, FakeClock& clock, std::uint32_t address)
      : link(net, clock, LinkSettings{27079, "", false, ""}) {
    net.setHostAddresses({address});
    link.Open();
    settings.Common_Enable = 1;
    settings.KaigyoTabDsp = 1;
    settings.Common_CashDirNo.fill(99);
    list = std::make_unique<CSharedList>(SharedListParts{fs, clock, ui, settings, link, host, kHome});
  }
  FakeNet net;
  CCommSocket link;
  ScriptedUi ui;
  EnvironmentSettings settings;
  RecordingSharedHost host;
  std::unique_ptr<CSharedList> list;
};

class SharedListTest : public ::testing::Test {
 protected:
  FakeClock clock{DateTime{2007, 1, 2, 3, 4, 5, 0, 2}};
  FakeFileSystem fs{clock};
  Computer a{fs, clock, Ip(192, 168, 1, 5)};

  void SetUp() override {
    fs.putFolder("C:\\QB");
    fs.putFolder(kFolder);
    ASSERT_EQ(a.list->AddFolder(std::string(kFolder) + "\\"), 0);
  }
  std::string Path(const std::string& name) { return std::string(kFolder) + "\\" + name; }
  std::string Plain(const std::string& path) { return ShiftBytesDown(fs.contentOf(path).value_or("")); }
  std::vector<std::string> Items() {
    std::vector<std::string> names;
    for (const FileEntry& e : fs.list(Path("COMM*.CLN"))) names.push_back(e.name);
    return names;
  }
  int RowOf(CSharedList& list, const std::string& label) {
    for (int row = 0; row < list.rowCount(); ++row) {
      if (list.text(row, shared_col::kLabel) == label) return row;
    }
    return -1;
  }
  std::string Labels(CSharedList& list) {
    std::string all;
    for (int row = 0; row < list.rowCount(); ++row) all += list.text(row, shared_col::kLabel) + ",";
    return all;
  }
};

TEST(SharedFilesTest, KeyUserFileNamesAndRecordsKeepTheirForm) {
  std::string key = MakeShareKey(DateTime{2007, 1, 2, 3, 4, 5, 0, 2}, 123456789);
  EXPECT_EQ(key, "20070102030405789");
  EXPECT_EQ(key.size(), 17u);
  EXPECT_EQ(UserFileName("192.168.1.5"), "quillboxCommUser211679112032.cln");
  EXPECT_EQ(UserFileName("192.168.1.5").size(), 32u);
  EXPECT_EQ(AddressOfUserFileName("quillboxCommUser211679112032.cln"), "192.168.1.5");
  EXPECT_EQ(AddressOfUserFileName("quillboxCommUser21167911203.cln"), std::nullopt);
  EXPECT_EQ(EncodeUserDigits("abc"), "abc") << "not 12 digits: unchanged";
  EXPECT_EQ(ParseCommItemName("comm001aaa20070102030405001.cln")->Format(),
            "COMM001AAA20070102030405001.CLN");
  EXPECT_FALSE(ParseCommItemName("COMM01AAA20070102030405001.CLN"));
  SharedItem item{"H", "001", "V2.00", "label", "a:::b\r\nc", };
  SharedItem back = ParseItemRecord(FormatItemRecord(item));
  EXPECT_EQ(back.label, "label");
  EXPECT_EQ(back.value, "a:::b\r\nc");
  EXPECT_EQ(back.version, "V2.00");
  EXPECT_EQ(TextVersionOf("x<@@SYSDATE>%Y<@@/SYSDATE>"), "V2.40");
  EXPECT_EQ(IncompatibilityMessage(SharedItem{"H", "001", "V3.40", "", ""}),
            "このデータは上位バージョン V3.40 の機能を含んでいるため操作できません");
  EXPECT_EQ(IncompatibilityMessage(SharedItem{"P", "001", "V1.30", "", ""}),
            "このデータはプラン上位バージョン V1.30 で作成/保存されているため操作できません");
  EXPECT_EQ(IncompatibilityMessage(SharedItem{"X", "001", "V1.00", "", ""}),
            "このデータは正しく認識できません");
}

TEST_F(SharedListTest, TwoComputersOnOneEmptyFolderShareOneKey) {
  std::string management = Plain(Path("quillboxCommon.cln"));
  EXPECT_EQ(management,
            "REC01:::20070102030405000:::0:::0:::0\nREC02:::0:::0:::0:::0\nREC03:::0:::0:::0:::0\n");
  EXPECT_EQ(a.list->shareKey(), "20070102030405000");
  EXPECT_EQ(a.link.PeerTable().ownKey, "20070102030405000");
  EXPECT_EQ(a.settings.Common_Pass[0], kFolder) << "kept without the trailing backslash";
  EXPECT_EQ(a.settings.Common_CashDirNo[0], 0);
  EXPECT_TRUE(fs.exists("C:\\QB\\cashdir\\cashdir0"));
  clock.advance(1000);
  Computer b{fs, clock, Ip(192, 168, 1, 6)};
  ASSERT_EQ(b.list->AddFolder(kFolder), 0);
  EXPECT_EQ(b.list->shareKey(), a.list->shareKey());
  EXPECT_EQ(Plain(Path("quillboxCommon.cln")), management);
  // Showing the folder writes each computer's user file; each finds the other as its peer.
  EXPECT_EQ(Plain(Path("quillboxCommUser211679112032.cln")), "REC10:::192.168.1.5:::0:::0:::0\n");
  a.list->OpenShownFolder();
  fs.putFile(Path("quillboxCommUser111111111111.cln"), "x");  // 0.0.0.0
  fs.putFile(Path("quillboxCommUserbad.cln"), "x");
  EXPECT_EQ(a.list->PeerAddresses(), std::vector<std::string>{"192.168.1.6"});
  EXPECT_EQ(b.list->PeerAddresses(), std::vector<std::string>{"192.168.1.5"});
}

TEST_F(SharedListTest, AnAddedItemHasItsNameRecordAndNoticeAndTheHundredAndFirstMakesRoom) {
  ASSERT_EQ(a.list->AddItem("value:::x", "label", kDataKindText), 0);
  EXPECT_EQ(Items(), std::vector<std::string>{"COMM001AAA20070102030405001.CLN"});
  EXPECT_EQ(Plain(Path("COMM001AAA20070102030405001.CLN")), "H:::001:::V2.00:::0:::label:::0:::0:::value:::x");
  EXPECT_EQ(a.link.PeerTable().armedKey, a.list->shareKey());
  EXPECT_EQ(a.host.notes, (std::vector<std::string>{"共有へ複写中です\n\n時間がかかる場合があります", ""}));
  EXPECT_TRUE(fs.exists("C:\\QB\\cashdir\\cashdir0\\COMM001AAA20070102030405001.CLN"));
  ASSERT_EQ(a.list->rowCount(), 1);
  EXPECT_EQ(a.list->text(0, shared_col::kCreated), "20070102030405001");
  EXPECT_EQ(a.list->text(0, shared_col::kDataKind), "HOZON");
  // 99 more, the first two protected.
  for (int i = 2; i <= 100; ++i) {
    clock.advance(1000);
    ASSERT_EQ(a.list->AddItem("v" + std::to_string(i), "L" + std::to_string(i), kDataKindText), 0);
  }
  ASSERT_EQ(a.list->ToggleDeleteProtect(RowOf(*a.list, "label")), 0);
  clock.advance(1000);
  ASSERT_EQ(a.list->AddItem("new", "101st", kDataKindText), 0);
  EXPECT_EQ(Items().size(), 100u);
  std::string labels = Labels(*a.list);
  EXPECT_NE(labels.find("label,"), std::string::npos) << "the protected oldest item stays";
  EXPECT_EQ(labels.find("L2,"), std::string::npos) << "the oldest normal item made room";
  EXPECT_NE(labels.find("101st,"), std::string::npos);
}

TEST_F(SharedListTest, FlagLettersGuardItemsBeingChangedOrProtected) {
  ASSERT_EQ(a.list->AddItem("v", "mine", kDataKindText), 0);
  Computer b{fs, clock, Ip(192, 168, 1, 6)};
  ASSERT_EQ(b.list->AddFolder(kFolder), 0);
  // A starts changing: the file is marked "C" for everybody.
  SharedItem item;
  ASSERT_EQ(a.list->m_UpdateMae(0, item), 0);
  EXPECT_EQ(item.value, "v");
  EXPECT_EQ(Items(), std::vector<std::string>{"COMM001CAA20070102030405001.CLN"});
  EXPECT_EQ(b.list->m_UpdateMae(0, item), -1);
  EXPECT_EQ(b.ui.boxes().back().text, "このデータは他で変更中です");
  b.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(b.list->m_DellGyo(0, false), 2);
  EXPECT_EQ(b.ui.boxes().back().text, "このデータは変更中です　");
  // A finishes: the new text under the old name, the notice armed.
  ASSERT_EQ(a.list->FinishChange("mine", "changed"), 0);
  EXPECT_EQ(Items(), std::vector<std::string>{"COMM001AAA20070102030405001.CLN"});
  EXPECT_EQ(Plain(Path(Items()[0])), "H:::001:::V2.00:::0:::mine:::0:::0:::changed");
  // Protected: not deleted until the protection is lifted.
  ASSERT_EQ(a.list->ToggleDeleteProtect(0), 0);
  EXPECT_EQ(Items(), std::vector<std::string>{"COMM001BAA20070102030405001.CLN"});
  b.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(b.list->m_DellGyo(0, false), -1);
  EXPECT_EQ(b.ui.boxes().back().text,
            "このデータは削除不可に設定されています。\n削除する場合は削除不可を解除してください。");
  ASSERT_EQ(b.list->ToggleDeleteProtect(0), 0);
  b.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(b.list->m_DellGyo(0, false), 0);
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(a.ui.unexpected().empty());
  EXPECT_TRUE(b.ui.unexpected().empty());
}

TEST_F(SharedListTest, ALockedManagementFileIsTriedSevenTimesThenNothingChanges) {
  auto held = fs.openExclusive(Path("quillboxCommon.cln"));
  ASSERT_TRUE(held.ok());
  std::size_t waitsBefore = clock.waits().size();
  EXPECT_EQ(a.list->AddItem("v", "l", kDataKindText), -1);
  std::vector<int> all = clock.waits();
  std::vector<int> waits(all.begin() + static_cast<long>(waitsBefore), all.end());
  EXPECT_EQ(waits, (std::vector<int>{200, 300, 400, 400, 500, 600}));
  EXPECT_EQ(a.ui.boxes().back().text,
            "管理ファイルがロックされているか、変更が許可されていない可能性があります。\n確認して再度やりなおしてください");
  EXPECT_EQ(a.ui.boxes().back().icon, MessageIcon::kExclamation);
  EXPECT_TRUE(Items().empty());
}

TEST_F(SharedListTest, AnUnreachableFolderShowsTheCacheReadOnlyUntilItReturns) {
  ASSERT_EQ(a.list->AddItem("kept", "cached", kDataKindText), 0);
  ASSERT_FALSE(fs.rename(kFolder, "\\\\server\\share\\away"));
  a.list->OnTabShown();
  EXPECT_EQ(a.list->mode(), SharedMode::kCache);
  EXPECT_EQ(a.ui.boxes().back().text, "共有されているフォルダが見つかりません \n前回のキャッシュを使用します　");
  ASSERT_EQ(a.list->rowCount(), 1);
  std::string value;
  EXPECT_EQ(a.list->getValue(0, value), 0);
  EXPECT_EQ(value, "kept");
  EXPECT_EQ(a.list->AddItem("v", "l", kDataKindText), -1);
  EXPECT_EQ(a.ui.boxes().back().text, "キャッシュ使用中は追加／削除／変更処理は行えません　");
  EXPECT_EQ(a.link.PeerTable().ownKey, "") << "no notices match a folder not shown";
  // The periodic re-check: only with the setting, after 600 s, while the window is hidden.
  a.settings.CommCashRetrai_Flg = 1;
  a.list->OnTabShown();  // still away: no second message
  std::size_t boxes = a.ui.boxes().size();
  ASSERT_FALSE(fs.rename("\\\\server\\share\\away", kFolder));
  a.list->OpenShownFolder(false);
  EXPECT_EQ(a.list->mode(), SharedMode::kOnline);
  ASSERT_FALSE(fs.rename(kFolder, "\\\\server\\share\\away"));
  a.list->OpenShownFolder(false);
  ASSERT_EQ(a.list->mode(), SharedMode::kCache);
  ASSERT_FALSE(fs.rename("\\\\server\\share\\away", kFolder));
  a.list->CacheRecheck();
  a.host.RunPosted();
  EXPECT_EQ(a.list->mode(), SharedMode::kCache) << "not before 600 s";
  clock.advance(600000);
  a.host.visible = true;
  a.list->CacheRecheck();
  a.host.RunPosted();
  EXPECT_EQ(a.list->mode(), SharedMode::kCache) << "not while the window is shown";
  a.host.visible = false;
  a.list->CacheRecheck();
  a.host.RunPosted();
  EXPECT_EQ(a.list->mode(), SharedMode::kOnline);
  EXPECT_EQ(a.ui.boxes().size(), boxes);
}

TEST_F(SharedListTest, ANoticeReloadsTheFolderOnTheWindowThreadAfterAUserOperation) {
  Computer b{fs, clock, Ip(192, 168, 1, 6)};
  ASSERT_EQ(b.list->AddFolder(kFolder), 0);
  ASSERT_EQ(a.list->AddItem("from a", "A1", kDataKindText), 0);
  EXPECT_EQ(b.list->rowCount(), 0);
  b.list->FlagPeerReload();
  b.list->ApplyPeerUpdate();
  ASSERT_EQ(b.host.posted.size(), 1u);
  b.list->ApplyPeerUpdate();
  EXPECT_EQ(b.host.posted.size(), 1u) << "one reload at a time";
  b.host.RunPosted();
  EXPECT_EQ(Labels(*b.list), "A1,");
  EXPECT_EQ(b.list->peerCounter(), 0);
  // A reload that meets a user operation of the tab waits for the next call.
  ASSERT_EQ(a.list->AddItem("again", "A2", kDataKindText), 0);
  b.list->FlagPeerReload();
  b.list->ApplyPeerUpdate();
  b.ui.setWhileShown([&](const MessageBoxRecord&) { b.host.RunPosted(); });
  b.ui.expectAnswer(MessageAnswer::kNo);
  b.list->m_DellGyo(0, false);
  EXPECT_EQ(Labels(*b.list), "A1,");
  EXPECT_EQ(b.list->peerCounter(), 2);
  b.list->ApplyPeerUpdate();
  b.host.RunPosted();
  EXPECT_EQ(Labels(*b.list), "A2,A1,");
}

TEST_F(SharedListTest, NewerVersionsAreListedButRefusedWhenUsed) {
  fs.putFile(Path("COMM001AAA20070102030405001.CLN"),
             ShiftBytesUp("H:::001:::V3.50:::0:::future:::0:::0:::text"));
  fs.putFile(Path("COMM002AAA20070102030405002.CLN"), ShiftBytesUp("Z:::002:::V9.00:::0:::odd"));
  fs.putFile(Path("COMM003AAA20070102030405003.CLN"),
             ShiftBytesUp("P:::003:::V1.20:::0:::plan name:::V1.20:::0000000000:::0:::0:::<@@PLAN>"));
  a.list->OpenShownFolder();
  a.list->sortByCommand(shared_col::kFileName);
  ASSERT_EQ(a.list->rowCount(), 3);
  EXPECT_EQ(a.list->text(0, shared_col::kValue), "【バージョン非互換データ!!】");
  EXPECT_EQ(a.list->text(1, shared_col::kValue),
            "【データ種別不明!!】･･（上位バージョンでの追加機能の可能性があります）");
  EXPECT_EQ(a.list->text(2, shared_col::kLabel), "plan name");
  EXPECT_EQ(a.list->text(2, shared_col::kDataKind), "PLAN");
  EXPECT_EQ(a.list->checkVersion(0), -1);
  EXPECT_EQ(a.ui.boxes().back().text, "このデータは上位バージョン V3.50 の機能を含んでいるため操作できません");
  EXPECT_EQ(a.list->checkVersion(2), 0);
  SharedItem item;
  EXPECT_EQ(a.list->m_UpdateMae(2, item), -1);
  EXPECT_EQ(a.ui.boxes().back().text, "プランは共有タブでは変更できません");
}

}  // namespace
}  // namespace qb
