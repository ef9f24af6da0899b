#include <gtest/gtest.h>

#include "app/shell/about_text.h"
#include "app/shell/exit_command.h"
#include "app/shell/help_commands.h"
#include "platform/fake/fake_shell.h"
#include "quillbox_version.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

TEST(ExitCommandTest, NoKeepsTheWindowShownAndYesOrNoConfirmationCloses) {
  ScriptedUi ui;
  std::vector<std::string> log;
  ExitCommand exit(ui, {[&] { log.push_back("hide"); }, [&] { log.push_back("show"); },
                        [&] { log.push_back("close"); }});
  ui.expectAnswer(MessageAnswer::kNo);
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_FALSE(exit.run(1));
  EXPECT_EQ(log, (std::vector<std::string>{"hide", "show"}));
  EXPECT_TRUE(exit.run(1));
  EXPECT_TRUE(exit.run(0));  // END_MSG 0: no question
  EXPECT_EQ(log, (std::vector<std::string>{"hide", "show", "hide", "close", "close"}));
  ASSERT_EQ(ui.boxes().size(), 2u);
  EXPECT_EQ(ui.boxes()[0].text, "終了します。\nよろしいですか。");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kQuestion);
  ExpectUiScriptFinished(ui);
}

TEST(HelpCommandsTest, MissingHelpFilesAreReportedWithAWarning) {
  FakeShell shell;
  ScriptedUi ui;
  HelpCommands help(shell, ui, "C:\\Tools\\Quillbox\\");
  EXPECT_TRUE(help.openHelp());
  shell.failEveryOpen(true);
  EXPECT_FALSE(help.openHelp());
  EXPECT_FALSE(help.openPlanHelp());
  EXPECT_EQ(shell.opened(), (std::vector<std::string>{"C:\\Tools\\Quillbox\\quillbox2.chm",
                                                      "C:\\Tools\\Quillbox\\quillbox2.chm",
                                                      "C:\\Tools\\Quillbox\\QlbxPlan.chm"}));
  ASSERT_EQ(ui.boxes().size(), 2u);
  EXPECT_EQ(ui.boxes()[0].text, "ヘルプが存在しません。　");
  EXPECT_EQ(ui.boxes()[1].text, "プランヘルプが見つかりません　");
  EXPECT_EQ(ui.boxes()[1].icon, MessageIcon::kExclamation);
}

TEST(HelpCommandsTest, AFolderEndingInADoubleByteCharacterGetsItsBackslash) {
  EXPECT_EQ(JoinFolderAndName("C:\\図表", "a.chm"), "C:\\図表\\a.chm");  // 表 = 95 5C
  EXPECT_EQ(JoinFolderAndName("C:\\図表\\", "a.chm"), "C:\\図表\\a.chm");
}

TEST(SettingsCommandTest, RefusedDuringAPlanOtherwiseOpensTheSheet) {
  ScriptedUi ui;
  EXPECT_FALSE(SettingsCommand(ui, [] { FAIL(); }).run(true));
  int opened = 0;
  EXPECT_TRUE(SettingsCommand(ui, [&] { ++opened; }).run(false));
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "プラン編集／実行中は環境設定画面の表示はできません。　");
}

TEST(AboutTextTest, NamesTheBuildsVersionAndTheDataHome) {
  const std::string text = AboutText("C:\\Users\\太郎\\AppData\\Roaming\\tova-works\\quillbox\\");
  EXPECT_EQ(text.rfind(std::string("Quillbox　Version ") + kProductVersion + "\n", 0), 0u);
  EXPECT_NE(text.find("\n　C:\\Users\\太郎\\AppData\\Roaming\\tova-works\\quillbox\\　"),
            std::string::npos);
}

}  // namespace
}  // namespace qb
