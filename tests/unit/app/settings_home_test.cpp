#include "app/settings_home.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fixed_system_info.h"
#include "platform/fake/scripted_ui.h"

namespace qb {
namespace {

class NoMover : public FolderMover {
 public:
  bool copyFolder(std::string_view, std::string_view) override { return false; }
  bool moveFolder(std::string_view, std::string_view) override { return false; }
};

constexpr char kOwnSettings[] = "D:\\Quillbox\\tester\\quillbox2.dat";
constexpr char kCommonSettings[] = "D:\\Quillbox\\QuillBoxCommonUser\\quillbox2.dat";

class SettingsHomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    system.programFile = "D:\\Quillbox\\quillbox2.exe";
    fs.putFolder("D:\\Quillbox");
  }
  std::string contentOf(const char* path) { return fs.contentOf(path).value_or("<missing>"); }
  bool holdsLine(const char* path, const std::string& line) {
    return contentOf(path).find(line + "\r\n") != std::string::npos;
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  FixedSystemInfo system;
  ScriptedUi ui;
  NoMover mover;
  int closeRequests = 0;
  SettingsHome home{fs, ui, system, mover, [this] { ++closeRequests; }};
};

TEST_F(SettingsHomeTest, OrdinaryStartUsesTheUsersOwnHomeAndWritesItsFiles) {
  ASSERT_TRUE(home.open("tester", std::nullopt));
  ASSERT_EQ(home.saveAtStart(), 0);
  EXPECT_EQ(home.home().folder, "D:\\Quillbox\\tester\\");
  EXPECT_EQ(home.home().userName, "tester");
  EXPECT_TRUE(holdsLine(kOwnSettings, "\"CommonUserFlg=\",\"0\",\"<=共通ユーザ領域を使用する(0 or 1)(V3.34)\""));
  EXPECT_TRUE(fs.exists("D:\\Quillbox\\tester\\quillboxtxt.dat"));
  EXPECT_TRUE(fs.exists("D:\\Quillbox\\tester\\quillboxplan.dat"));
  EXPECT_TRUE(holdsLine(kOwnSettings, "\"WinVer=\",\"6\",\"<=WinVer(V2.11)\""));
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(SettingsHomeTest, CommonUserOptionMovesTheRunToTheSharedHome) {
  fs.putFile(kOwnSettings, "\"CommonUserFlg=\",\"1\",\"c\"\r\n\"PasteWait=\",\"7\",\"own\"\r\n");
  ASSERT_TRUE(home.open("tester", std::nullopt));
  EXPECT_EQ(home.home().folder, "D:\\Quillbox\\QuillBoxCommonUser\\");
  EXPECT_EQ(home.home().userName, "QuillBoxCommonUser");
  EXPECT_EQ(home.settings().environment.PasteWait, 0);  // the shared home's settings, not the user's
  EXPECT_TRUE(fs.exists(kCommonSettings));
  // The user's own file is read only: it is not written back.
  EXPECT_EQ(contentOf(kOwnSettings), "\"CommonUserFlg=\",\"1\",\"c\"\r\n\"PasteWait=\",\"7\",\"own\"\r\n");
}

TEST_F(SettingsHomeTest, SwitchingTheOptionOffInTheSharedHomeRestoresTheUsersOwnAtExit) {
  fs.putFile(kOwnSettings, "\"CommonUserFlg=\",\"1\",\"c\"\r\n");
  fs.putFile(kCommonSettings, "\"CommonUserFlg=\",\"1\",\"c\"\r\n");
  ASSERT_TRUE(home.open("tester", std::nullopt));
  home.settings().environment.CommonUserFlg = 0;  // the settings dialog during the run
  EXPECT_EQ(home.saveAtExit(), 0);
  EXPECT_TRUE(holdsLine(kCommonSettings, "\"CommonUserFlg=\",\"0\",\"c\""));
  EXPECT_TRUE(holdsLine(kOwnSettings, "\"CommonUserFlg=\",\"0\",\"c\""));

  SettingsHome next{fs, ui, system, mover, [] {}};
  ASSERT_TRUE(next.open("tester", std::nullopt));
  EXPECT_EQ(next.home().folder, "D:\\Quillbox\\tester\\");
}

TEST_F(SettingsHomeTest, KeepingTheOptionOnLeavesTheUsersOwnFileAlone) {
  fs.putFile(kOwnSettings, "\"CommonUserFlg=\",\"1\",\"c\"\r\n");
  ASSERT_TRUE(home.open("tester", std::nullopt));
  EXPECT_EQ(home.saveAtExit(), 0);
  EXPECT_EQ(contentOf(kOwnSettings), "\"CommonUserFlg=\",\"1\",\"c\"\r\n");
}

TEST_F(SettingsHomeTest, AGivenDataHomeIsUsedAsItIsWhateverTheOption) {
  fs.putFile("E:\\portable\\quillbox2.dat", "\"CommonUserFlg=\",\"1\",\"c\"\r\n");
  ASSERT_TRUE(home.open("tester", std::string("E:\\portable")));
  EXPECT_EQ(home.home().folder, "E:\\portable\\");
  EXPECT_EQ(home.home().userName, "tester");
}

TEST_F(SettingsHomeTest, UnreadableOrNewerSettingsAbortTheStart) {
  fs.putFile(kOwnSettings, "\"VL=\",\"V9.99\",\"x\"\r\n");
  EXPECT_FALSE(home.open("tester", std::nullopt));
  EXPECT_EQ(ui.boxes().back().icon, MessageIcon::kStop);
  EXPECT_EQ(contentOf(kOwnSettings), "\"VL=\",\"V9.99\",\"x\"\r\n");
}

TEST_F(SettingsHomeTest, SettingsThatCannotBeWrittenAtTheStartAreReportedAndEndTheRun) {
  fs.failAlways(FileOperation::kReplaceAtomically, "*quillbox2.dat", {FileCause::kDiskFull, 112});
  ASSERT_TRUE(home.open("tester", std::nullopt));
  EXPECT_EQ(home.saveAtStart(), -1);
  EXPECT_EQ(ui.boxes().back().icon, MessageIcon::kStop);
  EXPECT_EQ(closeRequests, 1);
}

}  // namespace
}  // namespace qb
