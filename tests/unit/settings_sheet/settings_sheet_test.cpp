#include "settings/settings_sheet_model.h"

#include <gtest/gtest.h>

#include "app/settings/settings_key_tables.h"
#include "platform/fake/scripted_ui.h"
#include "settings/settings_apply.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

using File = SettingsFileId;

Settings Defaults() {
  Settings settings;
  BindKeyTable(EnvironmentKeyTable(), settings.environment, ScreenSize{}).assignDefaults();
  BindKeyTable(RelatedFileKeyTable(), settings.relatedFiles, ScreenSize{}).assignDefaults();
  return settings;
}

std::string LastMessage(const ScriptedUi& ui) {
  return ui.boxes().empty() ? std::string() : ui.boxes().back().text;
}

TEST(SettingsSheetPagesTest, ThirteenPagesInOrderEveryControlBoundToAKeyAndHelped) {
  const auto& pages = SettingsSheetPages();
  ASSERT_EQ(pages.size(), 13u);
  const char* titles[] = {"共通設定", "表示設定", "キー設定", "埋込ﾏｸﾛ設定", "履歴設定",
                          "保存設定", "関連ﾌｧｲﾙ設定", "公開設定", "共有設定", "プラン設定",
                          "スタック設定", "補助", "トラブル対応"};
  Settings settings = Defaults();
  ScriptedUi ui;
  SettingsSheetModel model(settings, ui);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].title, titles[i]);
    for (const SheetControl& control : pages[i].controls) {
      EXPECT_FALSE(control.help.empty()) << control.caption;
      if (control.kind == SheetControlKind::kButton) continue;
      EXPECT_TRUE(model.setText(control.file, control.key, model.text(control.file, control.key)))
          << pages[i].title << ": " << control.key;
    }
  }
}

TEST(SettingsSheetModelTest, NothingReachesTheSettingsBeforeCommitAndCommitTellsWhatChanged) {
  Settings live = Defaults();
  ScriptedUi ui;
  SettingsSheetModel model(live, ui);
  model.setText(File::kEnvironment, "PasteWait=", "300");
  model.setText(File::kRelatedFiles, "SANSYO_TEXT2_TAB=", "顧客");
  model.setText(File::kEnvironment, "MaxFile=", "900");  // read through the key's limit
  EXPECT_EQ(live.environment.PasteWait, 0);
  EXPECT_EQ(model.text(File::kEnvironment, "MaxFile="), "500");
  const auto changed = model.commit(live);
  EXPECT_EQ(changed, (std::vector<std::string>{"MaxFile=", "PasteWait=", "SANSYO_TEXT2_TAB="}));
  EXPECT_EQ(live.environment.PasteWait, 300);
  EXPECT_EQ(live.relatedFiles.SANSYO_TEXT_TAB[2], "顧客");
}

TEST(SettingsSheetModelTest, GroupNamesLoseTheirCommasAfterOneNotice) {
  Settings live = Defaults();
  ScriptedUi ui;
  SettingsSheetModel model(live, ui);
  model.setText(File::kEnvironment, "CLIPDIR_AR1=", "顧客,対応");
  model.setText(File::kEnvironment, "CLIPDIR_AR2=", "a,b,c");
  model.setText(File::kEnvironment, "StackDir_Ar03=", "x,y");
  EXPECT_EQ(model.validate(), -1);
  ASSERT_EQ(ui.boxes().size(), 2u);  // one for the save groups, one for the stack groups
  EXPECT_EQ(ui.boxes()[0].text, "保存場所の名称に ','(カンマ)は使用できません。\nカンマは除去されます。");
  model.commit(live);
  EXPECT_EQ(live.environment.CLIPDIR_AR[1], "顧客対応");
  EXPECT_EQ(live.environment.CLIPDIR_AR[2], "abc");
  EXPECT_EQ(live.environment.StackDir_Ar[3], "xy");
}

TEST(SettingsSheetModelTest, PortsOutsideTheUserRangeOrSharedByBothLinksAreRefused) {
  Settings live = Defaults();
  const char* kRange = "ポート番号は1024～65535の範囲で指定してください";
  for (const char* port : {"1023", "65536"}) {
    ScriptedUi ui;
    SettingsSheetModel model(live, ui);
    model.setText(File::kEnvironment, "Lan_Port_Flg=", "0");
    model.setText(File::kEnvironment, "Lan_UserPort=", port);
    EXPECT_EQ(model.validate(), settings_page::kPublish) << port;
    EXPECT_EQ(LastMessage(ui), kRange);
  }
  ScriptedUi ui;
  SettingsSheetModel model(live, ui);
  model.setText(File::kEnvironment, "Lan_Port_Flg=", "0");
  model.setText(File::kEnvironment, "Lan_UserPort=", "27079");  // the share link's default port
  EXPECT_EQ(model.validate(), settings_page::kShare);
  EXPECT_EQ(LastMessage(ui), "ポート番号が公開機能と共有機能で同じ値が指定されています。　\n別々の値を指定してください。");
  model.setText(File::kEnvironment, "Lan_UserPort=", "27100");
  EXPECT_EQ(model.validate(), -1);
}

TEST(SettingsSheetModelTest, PublishingRefusalsKeepTheSheetOnItsPage) {
  Settings live = Defaults();
  ScriptedUi ui;
  SettingsSheetModel model(live, ui);
  model.setText(File::kEnvironment, "Open_MyName=", "a:::b");
  EXPECT_EQ(model.validate(), settings_page::kPublish);
  EXPECT_EQ(LastMessage(ui), "':::' は入力できません");
  model.setText(File::kEnvironment, "Open_MyName=", "受付");
  model.setText(File::kEnvironment, "Open_Enable=", "1");
  EXPECT_EQ(model.validate(), settings_page::kPublish);  // no own address chosen
  EXPECT_EQ(LastMessage(ui).rfind("IPアドレスが指定されていません。", 0), 0u);
  model.setText(File::kEnvironment, "MyIp=", "192.168.1.5");
  EXPECT_EQ(model.validate(), -1);
}

TEST(SettingsSheetModelTest, DuplicateShortcutKeysAreRefusedUnsetOnesAreNot) {
  Settings live = Defaults();  // keys 9 and 10 are both unset (64)
  ScriptedUi ui;
  SettingsSheetModel model(live, ui);
  EXPECT_EQ(model.validate(), -1);
  model.setText(File::kEnvironment, "SHORTCUTKEY9=", "67");  // the same letter as key 0
  EXPECT_EQ(model.validate(), settings_page::kKeys);
  EXPECT_EQ(LastMessage(ui), "ショートカットキーが重複しています");
}

TEST(SettingsApplyTest, EachChangeReachesThePartThatReadsIt) {
  const SettingsApply colours = PlanSettingsApply({"TabColorBackHz=", "CLIPDIR_AR1="});
  EXPECT_TRUE(colours.tabs);
  EXPECT_FALSE(colours.hotkeys || colours.publishLink || colours.paste);
  const SettingsApply keys = PlanSettingsApply({"MultiHotKey3_1=", "MouseEdgeLeft="});
  EXPECT_TRUE(keys.hotkeys && keys.hooks);
  const SettingsApply lan = PlanSettingsApply({"Lan_UserPort=", "CommMyIp="});
  EXPECT_TRUE(lan.publishLink && lan.shareLink);
  EXPECT_FALSE(lan.tabs);
  EXPECT_TRUE(PlanSettingsApply({"PasteWait="}).paste);
  EXPECT_FALSE(PlanSettingsApply({"MaxFile="}).paste);  // waits for the next start
}

}  // namespace
}  // namespace qb
