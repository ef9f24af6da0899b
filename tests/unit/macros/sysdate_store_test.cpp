#include "macros/sysdate_store.h"

#include <gtest/gtest.h>

#include "macros/macro_insertion_model.h"
#include "macros/sysdate_editor_model.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

constexpr char kFolder[] = "C:\\QB\\macro\\";

class SysdateStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.putFolder("C:\\QB"); }
  void put(const std::string& name, const std::string& macro) {
    fs.putFile(kFolder + name, std::string(kSysdateRecordPrefix) + macro);
  }
  std::string content(const std::string& name) {
    return fs.contentOf(kFolder + name).value_or("<missing>");
  }

  FakeClock clock{DateTime{2026, 3, 4, 15, 7, 9, 0}};
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  SysdateStore store{fs, ui, "C:\\QB\\"};
  MacroAnalyzer analyzer{ui, clock};
};

TEST_F(SysdateStoreTest, NewDefinitionsTakeTheLowestFreeNumber) {
  put("sysd0000.cln", "<@@SYSDATE>a<@@/SYSDATE>");
  put("sysd0001.cln", "<@@SYSDATE>b<@@/SYSDATE>");
  put("sysd0003.cln", "<@@SYSDATE>c<@@/SYSDATE>");
  ASSERT_EQ(store.m_SysdateSave("", "<@@SYSDATE>d<@@/SYSDATE>"), 0);
  EXPECT_EQ(content("sysd0002.cln"), "0:::0:::0:::<@@SYSDATE>d<@@/SYSDATE>");
  EXPECT_EQ(store.nextFreeName(), "sysd0004.cln");
}

TEST_F(SysdateStoreTest, DefinitionsAreListedHighestNameFirst) {
  put("sysd0001.cln", "<@@SYSDATE>b<@@/SYSDATE>");
  put("sysd0000.cln", "<@@SYSDATE>a<@@/SYSDATE>");
  put("SYSD0002.CLN", "<@@SYSDATE>c<@@/SYSDATE>");
  SysdateDefinitions definitions;
  ASSERT_EQ(store.m_SysdateGet(definitions), 0);
  ASSERT_EQ(definitions.count, 3);
  EXPECT_EQ(definitions.fileNames[0], "SYSD0002.CLN");
  EXPECT_EQ(definitions.macroTexts[1], "<@@SYSDATE>b<@@/SYSDATE>");
  EXPECT_EQ(definitions.fileNames[2], "sysd0000.cln");
}

TEST_F(SysdateStoreTest, AtMostAHundredAreReadAndUnreadableOnesAreReported) {
  for (int i = 0; i < 101; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "sysd%04d.cln", i);
    put(name, "<@@SYSDATE>x<@@/SYSDATE>");
  }
  SysdateDefinitions definitions;
  store.m_SysdateGet(definitions);
  EXPECT_EQ(definitions.count, 100);
  EXPECT_EQ(definitions.fileNames[0], "sysd0100.cln");
  fs.failAlways(FakeFileSystem::Operation::kReadWhole, "*sysd0100.cln", FakeFileError::kAccessDenied);
  store.m_SysdateGet(definitions);
  EXPECT_EQ(definitions.fileNames[0], "sysd0099.cln");
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ﾌｧｲﾙの読み込みに失敗しました(m_SysdateGet)");
}

TEST_F(SysdateStoreTest, AFailedWriteIsReported) {
  fs.failAlways(FakeFileSystem::Operation::kWriteNew, "*", FakeFileError::kAccessDenied);
  EXPECT_EQ(store.m_SysdateSave("", "<@@SYSDATE><@@/SYSDATE>"), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ﾌｧｲﾙの書き込みに失敗しました(m_SysdateSave)");
}

TEST_F(SysdateStoreTest, InsertionDialogStoresThePresetsAndListsTheirValues) {
  MacroInsertionModel model(analyzer, store);
  model.selectKind(MacroKind::kDate);
  ASSERT_EQ(model.formats().size(), 3u);
  EXPECT_EQ(content("sysd0000.cln"), std::string("0:::0:::0:::") + kPresetSysdateDefinitions[0]);
  // Highest name first: the third preset leads the list.
  EXPECT_EQ(model.formats()[0].listText, "2026/03/04(水) PM 03:07:09");
  model.selectFormat(2);
  std::optional<InsertedMacro> macro = model.ok();
  ASSERT_TRUE(macro);
  EXPECT_EQ(macro->macroText, kPresetSysdateDefinitions[0]);
  EXPECT_EQ(macro->display, "PM 03:07:09");

  model.selectKind(MacroKind::kKey);
  model.selectFormat(4);
  macro = model.ok();
  ASSERT_TRUE(macro);
  EXPECT_EQ(macro->macroText, "<@@KEYIN><@ENTER01/>400<@@/KEYIN>");
  EXPECT_EQ(macro->display, "【Enter：400】");
  model.selectKind(MacroKind::kInput);
  EXPECT_EQ(model.formats()[2].listText, "入力3");
  EXPECT_EQ(model.preview(), "【入力1】");
  ExpectUiScriptFinished(ui);
}

TEST_F(SysdateStoreTest, EditorBuildsADefinitionFromPartsAndFixedText) {
  SysdateEditorModel editor(analyzer, store);
  editor.reload();
  ASSERT_EQ(editor.comboEntries().size(), 1u);
  EXPECT_EQ(editor.comboEntries()[0], "(新規作成)");
  EXPECT_EQ(editor.ok(), -1);
  EXPECT_EQ(ui.boxes().back().text, "編集領域に入力されていません　　");
  ASSERT_EQ(editor.insertPart("<@YY20/>", 0), 0);
  ASSERT_TRUE(editor.replaceText(4, 4, "年2026"));  // fixed text that looks like a part
  ASSERT_EQ(editor.insertPart("<@ＭＭ１/>", 10), 0);
  EXPECT_EQ(editor.text(), "2026年2026３");
  EXPECT_FALSE(editor.replaceText(1, 2, "x"));  // parts are protected
  ASSERT_EQ(editor.ok(), 0);
  EXPECT_EQ(content("sysd0000.cln"), "0:::0:::0:::<@@SYSDATE><@YY20/>年2026<@ＭＭ１/><@@/SYSDATE>");

  editor.reload();
  ASSERT_EQ(editor.comboEntries().size(), 2u);
  ASSERT_TRUE(editor.select(1));
  EXPECT_EQ(editor.parts().count, 2);
  ASSERT_TRUE(editor.removePartAt(0));
  ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_FALSE(editor.select(0));  // the edit is kept
  ASSERT_EQ(editor.ok(), 0);
  EXPECT_EQ(content("sysd0000.cln"), "0:::0:::0:::<@@SYSDATE>年2026<@ＭＭ１/><@@/SYSDATE>");
  ExpectUiScriptFinished(ui);
}

TEST_F(SysdateStoreTest, EditorLimitsPartsAndDeletesDefinitions) {
  SysdateEditorModel editor(analyzer, store);
  editor.reload();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(editor.insertPart("<@DD1/>", 0), 0);
  EXPECT_EQ(editor.insertPart("<@DD1/>", 0), -1);
  EXPECT_EQ(ui.boxes().back().text, "挿入できる部品はすでに最大数に達しています");
  EXPECT_EQ(ui.boxes().back().icon, MessageIcon::kInformation);
  EXPECT_EQ(editor.insertPart("<@XX1/>", 0), -1);
  EXPECT_EQ(ui.boxes().back().text, "部品が見つかりませんでした");
  ASSERT_EQ(editor.ok(), 0);

  editor.reload();
  ASSERT_TRUE(editor.select(1));
  fs.failNext(FakeFileSystem::Operation::kRemove, "*", FakeFileError::kAccessDenied);
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(editor.deleteSelected(), -1);
  EXPECT_EQ(ui.boxes().back().text, "ﾌｧｲﾙの削除に失敗しました(OnMc2Del)");
  ASSERT_TRUE(editor.select(1));
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(editor.deleteSelected(), 0);
  EXPECT_EQ(editor.comboEntries().size(), 1u);
  EXPECT_FALSE(fs.exists("C:\\QB\\macro\\sysd0000.cln"));
  ExpectUiScriptFinished(ui);
}

}  // namespace
}  // namespace qb
