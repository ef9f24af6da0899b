#include "app/data_home.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fixed_system_info.h"
#include "platform/fake/scripted_ui.h"

namespace qb {
namespace {

class RecordingMover : public FolderMover {
 public:
  bool copyFolder(std::string_view from, std::string_view to) override {
    copies.push_back(std::string(from) + " -> " + std::string(to));
    return copySucceeds;
  }
  bool moveFolder(std::string_view from, std::string_view to) override {
    moves.push_back(std::string(from) + " -> " + std::string(to));
    return moveSucceeds;
  }
  bool copySucceeds = true;
  bool moveSucceeds = true;
  std::vector<std::string> copies;
  std::vector<std::string> moves;
};

class DataHomeTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.putFolder("C:\\Users"); }

  std::optional<DataHome> choose(const std::string& user = "tester") {
    return ChooseDataHome(system, fs, ui, mover, user);
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  FixedSystemInfo system;
  ScriptedUi ui;
  RecordingMover mover;
};

TEST_F(DataHomeTest, UnreadableLogonNameBecomesDefault) {
  EXPECT_EQ(ResolveUserName(std::nullopt), "Default");
  EXPECT_EQ(ResolveUserName(std::string()), "Default");
  EXPECT_EQ(ResolveUserName(std::string("鈴木")), "鈴木");
}

TEST_F(DataHomeTest, OutsideProgramFilesTheHomeIsProgramFolderPlusUser) {
  system.programFile = "D:\\Tools\\Quillbox\\quillbox2.exe";
  std::optional<DataHome> home = choose("Default");
  ASSERT_TRUE(home);
  EXPECT_EQ(home->programFolder, "D:\\Tools\\Quillbox\\");
  EXPECT_EQ(home->folder, "D:\\Tools\\Quillbox\\Default\\");
  EXPECT_EQ(home->settingsPath, "D:\\Tools\\Quillbox\\Default\\quillbox2.dat");
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(DataHomeTest, BeforeWindowsSixProgramFilesIsAnOrdinaryFolder) {
  system.version = {5, 1};
  std::optional<DataHome> home = choose();
  ASSERT_TRUE(home);
  EXPECT_EQ(home->folder, "C:\\Program Files\\Quillbox\\tester\\");
}

TEST_F(DataHomeTest, ProgramFilesTestIgnoresCase) {
  EXPECT_TRUE(IsUnderProgramFiles({6, 0}, "c:\\program files\\Quillbox\\", "C:\\Program Files"));
  EXPECT_FALSE(IsUnderProgramFiles({6, 0}, "C:\\Programs\\", "C:\\Program Files"));
  EXPECT_FALSE(IsUnderProgramFiles({6, 0}, "C:\\x\\", ""));
}

TEST_F(DataHomeTest, UnderProgramFilesWithoutEarlierDataNothingIsAsked) {
  std::optional<DataHome> home = choose();
  ASSERT_TRUE(home);
  EXPECT_EQ(home->folder, "C:\\Users\\tester\\AppData\\Roaming\\tova-works\\quillbox\\");
  EXPECT_TRUE(ui.boxes().empty());
  EXPECT_TRUE(mover.moves.empty());
}

TEST_F(DataHomeTest, CommonUserHomeLiesInTheAllUsersFolder) {
  std::optional<DataHome> home = choose("QuillBoxCommonUser");
  ASSERT_TRUE(home);
  EXPECT_EQ(home->folder, "C:\\ProgramData\\tova-works\\quillbox\\");
  EXPECT_EQ(home->userName, "QuillBoxCommonUser");
}

TEST_F(DataHomeTest, AcceptedMoveBacksUpThenMoves) {
  fs.putFolder("C:\\Program Files\\Quillbox\\tester");
  ui.expectAnswer(MessageAnswer::kYes);
  std::optional<DataHome> home = choose();
  ASSERT_TRUE(home);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(ui.boxes()[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(ui.boxes()[0].text,
            "Program Filesフォルダへのアプリケーションデータの格納は推奨されていないため、\n"
            "Windowsのアプリケーションデータ保存用のフォルダへ移行します。よろしいですか？　\n"
            "「いいえ」を選択すればQuillboxを終了します。\n\n移行先：\n　"
            "C:\\Users\\tester\\AppData\\Roaming\\tova-works\\quillbox　");
  EXPECT_EQ(mover.copies, std::vector<std::string>{
                              "C:\\Program Files\\Quillbox\\tester -> "
                              "C:\\Program Files\\Quillbox\\tester（自動移行時のバックアップ）"});
  EXPECT_EQ(mover.moves, std::vector<std::string>{
                             "C:\\Program Files\\Quillbox\\tester -> "
                             "C:\\Users\\tester\\AppData\\Roaming\\tova-works\\quillbox"});
}

TEST_F(DataHomeTest, DecliningTheMoveAbortsTheStart) {
  fs.putFolder("C:\\Program Files\\Quillbox\\tester");
  ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_FALSE(choose());
  EXPECT_TRUE(mover.copies.empty());
}

TEST_F(DataHomeTest, NoOfferWhenTheNewHomeExistsAlready) {
  fs.putFolder("C:\\Program Files\\Quillbox\\tester");
  fs.putFolder("C:\\Users\\tester\\AppData\\Roaming\\tova-works\\quillbox");
  EXPECT_TRUE(choose());
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(DataHomeTest, FailedBackupOrMoveAbortsWithItsMessage) {
  fs.putFolder("C:\\Program Files\\Quillbox\\tester");
  ui.expectAnswer(MessageAnswer::kYes);
  mover.copySucceeds = false;
  EXPECT_FALSE(choose());
  EXPECT_EQ(ui.boxes().back().text, "データのバックアップの作成に失敗しました。処理を中止します。　");
  EXPECT_TRUE(mover.moves.empty());

  ui.clear();
  ui.expectAnswer(MessageAnswer::kYes);
  mover.copySucceeds = true;
  mover.moveSucceeds = false;
  EXPECT_FALSE(choose());
  EXPECT_EQ(ui.boxes().back().text, "データ移行が正常に終了しませんでした。");
}

TEST_F(DataHomeTest, CommandLineFolderGetsBackslash) {
  EXPECT_EQ(DataHomeAt(system, "E:\\qb", "tester").folder, "E:\\qb\\");
  EXPECT_EQ(DataHomeAt(system, "E:\\qb\\", "tester").settingsPath, "E:\\qb\\quillbox2.dat");
}

TEST_F(DataHomeTest, MissingHomeIsCreatedWithItsParents) {
  DataHome home = DataHomeAt(system, "C:\\Users\\tester\\a\\b", "tester");
  EXPECT_EQ(EnsureDataHomeExists(fs, ui, home), 0);
  EXPECT_TRUE(fs.exists("C:\\Users\\tester\\a\\b"));
}

TEST_F(DataHomeTest, UncreatableHomeNamesTheSystemErrorWithAHint) {
  fs.failAlways(FileOperation::kCreateFolder, "*", {FileCause::kAccessDenied, 5});
  DataHome home = DataHomeAt(system, "C:\\Users\\denied", "tester");
  EXPECT_EQ(EnsureDataHomeExists(fs, ui, home), -1);
  ASSERT_EQ(ui.boxes().size(), 2u);
  EXPECT_EQ(ui.boxes()[0].text, "ユーザー用フォルダの作成に失敗しました");
  EXPECT_EQ(ui.boxes()[1].text,
            "ERROR CD : 5 （フォルダにアクセス制限が設定されている可能性があります）　");

  ui.clear();
  fs.clearFaults();
  fs.failAlways(FileOperation::kCreateFolder, "*", {FileCause::kBadPath, 206});
  EnsureDataHomeExists(fs, ui, home);
  EXPECT_EQ(ui.boxes()[1].text, "ERROR CD : 206 （パスが長すぎる可能性があります）　");
}

}  // namespace
}  // namespace qb
