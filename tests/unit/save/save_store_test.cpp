// The Save store: items in the ten group folders, the group shown in the list, and the
// messages of every file operation.
#include <gtest/gtest.h>

#include "tests/support/ui_expect.h"
#include "tests/unit/save/save_fixture.h"

namespace qb {
namespace {

class SaveStoreTest : public ::testing::Test, public SaveWorld {};

TEST_F(SaveStoreTest, AnItemStoredInTheGroupShownIsItsFileAndTheTopRow) {
  ASSERT_EQ(list->storeInGroup(0, "挨拶", "こんにちは"), 0);
  EXPECT_EQ(item(0, 1), "挨拶:::0:::0:::こんにちは");
  ASSERT_EQ(list->rowCount(), 1);
  EXPECT_EQ(list->text(0, 0), "挨拶");
  EXPECT_EQ(list->text(0, 1), "こんにちは");
  EXPECT_EQ(list->text(0, 3), "CLIP001.cln");
  EXPECT_EQ(list->text(0, 4), "20240501090000");
  EXPECT_EQ(list->text(0, 7), "00000010");
  EXPECT_EQ(list->text(0, 8), "0");
  EXPECT_EQ(fs.times(SaveItemPath(0, 1)).value->created, clock.localNow());

  // Another group gets the file only; its list is read when the group is chosen.
  ASSERT_EQ(list->storeInGroup(3, "", "x<@@SYSDATE><@YY2/><@@/SYSDATE>"), 0);
  EXPECT_EQ(item(3, 1), ":::0:::0:::x<@@SYSDATE><@YY2/><@@/SYSDATE>");
  EXPECT_EQ(list->rowCount(), 1);
  ASSERT_EQ(list->chooseGroup(3), 0);
  EXPECT_EQ(settings.CLIPDIR_IDX, 3);
  EXPECT_EQ(list->text(0, 1), "x<@@SYSDATE><@YY2/><@@/SYSDATE>");
  EXPECT_EQ(list->text(0, 8), "1");  // the date macro flag
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveStoreTest, TheHundredAndFirstItemIsRefusedByAGroupNotShownAndReplacesTheOldestInTheShownOne) {
  fill(2, 100);
  EXPECT_EQ(list->storeInGroup(2, "L101", "v101"), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "指定された保存場所は最大数に達しています");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(fs.list(std::string(kSaveHome) + "ラベル付き格納02\\*.cln").size(), 100u);
  EXPECT_EQ(closeRequests, 0);
  ui.clear();

  // Shown, the group gives up its least recently written item and reuses its number.
  list->chooseGroup(2);
  fs.replaceAtomically(SaveItemPath(2, 1), "L1:::0:::0:::changed");  // written last now
  list->load();
  ASSERT_EQ(list->storeInGroup(2, "L101", "v101"), 0);
  EXPECT_EQ(list->rowCount(), 100);
  EXPECT_EQ(item(2, 2), "L101:::0:::0:::v101");
  EXPECT_EQ(item(2, 1), "L1:::0:::0:::changed");
  EXPECT_EQ(list->text(0, 3), "CLIP002.cln");
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveStoreTest, AMoveIntoTheGroupShownLeavesOneCopyAtTheTop) {
  fill(0, 3);  // rows L3, L2, L1
  list->select(2);
  ASSERT_EQ(list->moveToGroup(2, 0), 0);
  EXPECT_EQ(labels(), "L1,L3,L2,");
  EXPECT_EQ(fs.list(std::string(kSaveHome) + "ラベル付き格納00\\*.cln").size(), 3u);

  ASSERT_EQ(list->moveToGroup(0, 4), 0);  // to another group: gone here, stored there
  EXPECT_EQ(labels(), "L3,L2,");
  EXPECT_EQ(fs.list(std::string(kSaveHome) + "ラベル付き格納04\\*.cln").size(), 1u);
  clock.advance(1000);
  ASSERT_EQ(list->copyToSaveGroup(0, 4), 0);  // a copy stays
  EXPECT_EQ(labels(), "L3,L2,");
  list->chooseGroup(4);
  EXPECT_EQ(labels(), "L3,L1,");
  ExpectUiScriptFinished(ui);  // a move never asks before it deletes
}

TEST_F(SaveStoreTest, DeletingAsksWhenTheSettingSaysSoAndOnlyWhenAsked) {
  fill(0, 3);
  ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_EQ(list->m_Dell(0), 0);
  EXPECT_EQ(list->rowCount(), 3);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "削除します。\nよろしいですか。");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kQuestion);
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(list->m_Dell(0), 0);
  EXPECT_EQ(labels(), "L2,L1,");
  EXPECT_EQ(item(0, 3), "<missing>");

  settings.Hozon_Del_Flg = 0;
  ui.clear();
  EXPECT_EQ(list->m_Dell(0), 0);
  EXPECT_EQ(labels(), "L1,");
  EXPECT_TRUE(ui.boxes().empty());
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveStoreTest, EachFileFailureShowsItsMessageAndOnlyAFailedStoreClosesTheProgram) {
  struct Case {
    FileOperation operation;
    FileCause cause;
    const char* message;
    bool closes;
    std::function<int(CSaveList&)> run;
  };
  const std::vector<Case> cases = {
      // A new item is written whole with its creation time in one step (see decisions.md).
      {FileOperation::kWriteAtomically, FileCause::kDiskFull,
       "ﾌｧｲﾙの書き込みに失敗しました(2m_FileAdd)", true,
       [](CSaveList& l) { return l.storeInGroup(0, "n", "new"); }},
      {FileOperation::kWriteAtomically, FileCause::kDiskFull,
       "ﾌｧｲﾙの書き込みに失敗しました(2m_FileAdd)", true,
       [](CSaveList& l) { return l.storeInGroup(5, "n", "new"); }},
      {FileOperation::kReadWhole, FileCause::kSharingViolation,
       "ﾌｧｲﾙの読み込みに失敗しました(2m_FileGet_2)", false,
       [](CSaveList& l) { return l.copyToSaveGroup(0, 1); }},
      {FileOperation::kRemove, FileCause::kSharingViolation, "ﾌｧｲﾙの削除に失敗しました(2m_Dell)",
       false, [](CSaveList& l) { return l.deleteItem(0, false); }},
      {FileOperation::kRemove, FileCause::kAccessDenied,
       "ﾌｧｲﾙの削除に失敗しました(2m_Dell) \nアクセスが制限されています　\n保護されて削除できません　",
       false, [](CSaveList& l) { return l.deleteItem(0, false); }},
      {FileOperation::kReplaceAtomically, FileCause::kDiskFull,
       "ﾌｧｲﾙの書き込みに失敗しました(m_Update)", false,
       [](CSaveList& l) { return l.updateItem(0, "a", "b"); }},
      {FileOperation::kReplaceAtomically, FileCause::kAccessDenied,
       "ﾌｧｲﾙの書き込みに失敗しました(m_Update) \nアクセスが制限されています　\n保護されて変更できません　",
       false, [](CSaveList& l) { return l.updateItem(0, "a", "b"); }},
      {FileOperation::kSetTimes, FileCause::kAccessDenied,
       "任意並び替えによるﾌｧｲﾙの属性変更に失敗しました(m_CreateDateChangF)", false,
       [](CSaveList& l) { return l.reorder(0, 1); }},
  };
  fill(0, 2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string before = item(0, 1) + item(0, 2);
    const std::string rowsBefore = labels();
    ui.clear();
    closeRequests = 0;
    fs.failNext(c.operation, "*", {c.cause, 5});
    EXPECT_EQ(c.run(*list), -1);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, c.message);
    EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
    EXPECT_EQ(closeRequests, c.closes ? 1 : 0);
    EXPECT_EQ(item(0, 1) + item(0, 2), before);  // no item changed
    EXPECT_EQ(labels(), rowsBefore);             // and no row
    fs.clearFaults();
    list->load();
  }
}

TEST_F(SaveStoreTest, RowsDraggedIntoANewOrderKeepItWhenTheGroupIsReadAgain) {
  fill(0, 4);  // L4, L3, L2, L1
  ASSERT_TRUE(list->reorderable());
  ASSERT_EQ(list->reorder(3, 0), 0);
  EXPECT_EQ(labels(), "L1,L4,L3,L2,");
  ASSERT_EQ(list->reorder(1, 3), 0);
  EXPECT_EQ(labels(), "L1,L3,L2,L4,");
  list->load();
  EXPECT_EQ(labels(), "L1,L3,L2,L4,");
  EXPECT_EQ(item(0, 4), "L4:::0:::0:::v4");  // contents stay

  list->sortByCommand(0);  // by label: no reordering by hand
  EXPECT_FALSE(list->reorderable());
  EXPECT_EQ(list->reorder(0, 2), 0);
  EXPECT_EQ(labels(), "L1,L2,L3,L4,");
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveStoreTest, ChangingAnItemRewritesItsRecordAndItsRow) {
  fill(0, 1);
  clock.advance(60000);
  ASSERT_EQ(list->updateItem(0, "新", std::string(151, 'x') + "<@@KEYIN><@TAB01/>200<@@/KEYIN>"),
            0);
  EXPECT_EQ(item(0, 1), "新:::0:::0:::" + std::string(151, 'x') + "<@@KEYIN><@TAB01/>200<@@/KEYIN>");
  EXPECT_EQ(list->text(0, 0), "新");
  EXPECT_EQ(list->text(0, 1), std::string(150, 'x') + "...");
  EXPECT_EQ(list->text(0, 5), "20240501090101");
  EXPECT_EQ(list->text(0, 7), "00000182");
  EXPECT_EQ(list->text(0, 8), "4");
  std::string label;
  std::string value;
  ASSERT_EQ(list->readItem(0, label, value), 0);
  EXPECT_EQ(label, "新");
  EXPECT_EQ(value.size(), 182u);
}

TEST_F(SaveStoreTest, AnItemOfALaterReleaseIsShownButNeverUsedOrChanged) {
  fs.putFile(SaveItemPath(0, 7), "ラベル:::V9.10:::0:::value");
  fs.putFile(SaveItemPath(0, 8), "old:::0:::0:::plain");
  list->load();
  ASSERT_EQ(list->rowCount(), 2);
  const int later = list->text(0, 3) == "CLIP007.cln" ? 0 : 1;
  std::string value;
  EXPECT_EQ(list->getValue(later, value), -1);
  EXPECT_EQ(value, "");
  EXPECT_EQ(list->checkVersion(1 - later), 0);
  EXPECT_EQ(list->copyToSaveGroup(later, 1), -1);
  ASSERT_EQ(ui.boxes().size(), 2u);
  EXPECT_EQ(ui.boxes()[0].text,
            "このデータは上位バージョン V9.10 の機能を含んでいるため操作できません");
  EXPECT_TRUE(fs.list(std::string(kSaveHome) + "ラベル付き格納01\\*.cln").empty());
}

TEST_F(SaveStoreTest, TheLabelWidthIsKeptPerGroupAndTheColoursFollowTheGroup) {
  settings.Hozon_Label_Width[1] = 120;
  settings.TabColorHGpFlg = 0;
  settings.TabColorTextHGp[1] = 255;
  settings.TabColorBackHGp[1] = 20000000;
  list->setLabelWidth(999);
  EXPECT_EQ(list->labelWidth(), 600);
  list->chooseGroup(1);
  EXPECT_EQ(settings.Hozon_Label_Width[0], 600);
  EXPECT_EQ(list->labelWidth(), 120);
  EXPECT_EQ(list->colours().text, 255u);
  EXPECT_FALSE(list->colours().background);
  settings.TabColorHGpFlg = 1;
  settings.TabColorTextHz = 20000000;
  settings.TabColorBackHz = 0xFFEEDD;
  EXPECT_FALSE(list->colours().text);
  EXPECT_EQ(list->colours().background, 0xFFEEDDu);
}

TEST_F(SaveStoreTest, AFileTheListCouldNotReadKeepsItsNumber) {
  fs.putFile(SaveItemPath(0, 1), "a:::0:::0:::kept");
  fs.failNext(FileOperation::kReadWhole, "*CLIP001*", {FileCause::kSharingViolation, 32});
  list->load();
  EXPECT_EQ(list->rowCount(), 0);
  ui.clear();
  ASSERT_EQ(list->storeInGroup(0, "b", "new"), 0);
  EXPECT_EQ(item(0, 1), "a:::0:::0:::kept");
  EXPECT_EQ(item(0, 2), "b:::0:::0:::new");
}

}  // namespace
}  // namespace qb
