// The Stack tab: the plans' output and clear commands, the groups, the store's limits and
// messages, and the paste of a row.
#include "tabs/stack/stack_tab.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_keyboard.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

constexpr char kHome[] = "C:\\QB\\";

std::string StackFile(int group, int number) {
  char path[64];
  std::snprintf(path, sizeof path, "C:\\QB\\Stack\\StackDir%02d\\STAK%03d.cln", group, number);
  return path;
}

class NoInputs : public InputDialogRunner {
 public:
  bool runModal(InputDialogModel&) override { return false; }
};

class ClipboardHost : public PasteHost {
 public:
  explicit ClipboardHost(FakeClipboard& clipboard) : clipboard_(clipboard) {}
  bool isOwnWindow(WindowId window) override { return window == 1; }
  WindowId mainWindow() override { return 1; }
  bool alwaysOnTop() override { return false; }
  int putTextOnClipboard(std::string_view text) override {
    if (!clipboard_.open()) return -1;
    bool written = clipboard_.empty() && clipboard_.setText(text);
    clipboard_.close();
    return written ? 0 : -1;
  }
  void leaveLinkAndRefresh() override {}
  bool runPartialSelection(PartialSelectionModel&) override { return false; }
  void storePastedValue(std::string_view, bool) override {}

 private:
  FakeClipboard& clipboard_;
};

class StackTabTest : public ::testing::Test {
 protected:
  StackTabTest() {
    for (int group = 0; group < 10; ++group) fs.putFolder(list.groupFolder(group));
    settings.Stack_Enable = 1;
    settings.StackDir_Ar = {"ﾌﾟﾗﾝ用ｸﾘｯﾌﾟﾎﾞｰﾄﾞ履歴", "スタックグループ2", "スタックグループ3", "スタックグループ4",
                            "スタックグループ5", "スタックグループ6", "スタックグループ7", "スタックグループ8",
                            "スタックグループ9", "スタックグループ10"};
    clock.setLocalNow({2024, 5, 6, 7, 8, 9});
    tab.open();
  }
  std::size_t files(int group) { return fs.list(list.groupFolder(group) + "\\*.cln").size(); }

  FakeClock clock;
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  EnvironmentSettings settings;
  StackItemWriter writer{fs, clock, ui};
  CStackList list{fs, ui, writer, kHome};
  FakeDesktop desktop{clock};
  FakeClipboard clipboard;
  FakeKeyboard keyboard{clock, &clipboard};
  ClipboardHost host{clipboard};
  WorkingWindow working;
  PasteEngine engine{PastePorts{desktop, keyboard, clock, ui}, host, working, PasteSettings{}};
  MacroAnalyzer analyzer{ui, clock};
  NoInputs inputs;
  InputMethodMemory inputMethod;
  int changes = 0;
  StackTab tab{StackTabParts{list, engine, analyzer, inputs, inputMethod, settings, ui, nullptr,
                             [this] { ++changes; }}};
};

TEST_F(StackTabTest, OutputIntoAnotherGroupLeavesTheShownListAlone) {
  tab.onOutputCommand("0927Plan_OutStack:::00:::変換:::最初");
  ASSERT_EQ(list.rowCount(), 1);
  tab.onOutputCommand("0927Plan_OutStack:::03:::名前:::本文:::続き");
  EXPECT_EQ(fs.contentOf(StackFile(3, 1)), "00000000:::002:::名前:::0:::0:::本文:::続き");
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.text(0, stack_column::kValue), "最初");

  tab.switchGroup(3);
  EXPECT_EQ(settings.StackDir_Idx, 3);
  ASSERT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.text(0, stack_column::kPlanName), "名前");
  EXPECT_EQ(list.text(0, stack_column::kCreated), "20240506070809002");
  EXPECT_EQ(list.text(0, stack_column::kSize), "00000011");
  EXPECT_EQ(tab.wholeValue(0), "本文:::続き");

  tab.onClearCommand("0927Plan_ClrStack:::03");
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(files(3), 0u);
  EXPECT_EQ(files(0), 1u);
  ExpectUiScriptFinished(ui);
}

TEST_F(StackTabTest, NewOutputsOfTheShownGroupComeOnTopAndTheOldestGoesAtTwoHundred) {
  for (int i = 1; i <= 200; ++i) {
    clock.advance(1000);
    tab.onOutputCommand("0927Plan_OutStack:::00:::p:::text" + std::to_string(i));
  }
  EXPECT_EQ(files(0), 200u);
  tab.onOutputCommand("0927Plan_OutStack:::00:::p:::text201");
  EXPECT_EQ(files(0), 200u);
  EXPECT_EQ(fs.contentOf(StackFile(0, 1)).value_or("").substr(29), "text201");
  ASSERT_EQ(list.rowCount(), 200);
  EXPECT_EQ(list.text(0, stack_column::kValue), "text201");
  EXPECT_EQ(list.text(199, stack_column::kValue), "text2");
}

TEST_F(StackTabTest, LongTextsAreCutAndReadBackFromTheirFile) {
  std::string text(512010, 'x');
  text.replace(0, 6, "先頭");
  tab.onOutputCommand("0927Plan_OutStack:::00:::p:::" + text);
  EXPECT_EQ(tab.wholeValue(0), text.substr(0, 512000));
  EXPECT_EQ(list.text(0, stack_column::kValue), text.substr(0, 150) + "...");
  // Pasting the row copies the whole value.
  tab.runMenuCommand(0, 32794);
  EXPECT_EQ(clipboard.currentText(), text.substr(0, 512000));
}

TEST_F(StackTabTest, CommandsThatAreNotWellFormedChangeNothing) {
  for (std::string command : {"0927Plan_OutStack:::3:::p:::t", "0927Plan_OutStack:::10:::p:::t",
                              "0927Plan_OutStack:::-1:::p:::t", "0927Plan_OutStack:::00:::p",
                              "0927Plan_OutStack", "0927Plan_ClrStack:::x"}) {
    tab.onOutputCommand(command);
    tab.onClearCommand(command);
  }
  for (int group = 0; group < 10; ++group) EXPECT_EQ(files(group), 0u);
  settings.Stack_Enable = 0;
  tab.onOutputCommand("0927Plan_OutStack:::01:::p:::t");
  EXPECT_EQ(files(1), 0u);
}

TEST_F(StackTabTest, InitialisingAGroupAsksFirst) {
  tab.onOutputCommand("0927Plan_OutStack:::00:::p:::a");
  ui.expectAnswer(MessageAnswer::kNo);
  tab.initialiseGroup();
  EXPECT_EQ(files(0), 1u);
  ui.expectAnswer(MessageAnswer::kYes);
  tab.runMenuCommand(0, stack_command::kInitialise);
  EXPECT_EQ(files(0), 0u);
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(ui.boxes().at(0).text, "このスタックグループを初期化します。よろしいですか？　");
  ExpectUiScriptFinished(ui);
}

TEST_F(StackTabTest, FileFailuresShowTheirMessages) {
  tab.onOutputCommand("0927Plan_OutStack:::00:::p:::a");
  tab.onOutputCommand("0927Plan_OutStack:::00:::p:::b");
  fs.setReadOnly(StackFile(0, 1), true);
  tab.runMenuCommand(1, 32970);
  fs.failNext(FileOperation::kRemove, StackFile(0, 2), {FileCause::kSharingViolation, 32});
  tab.runMenuCommand(0, 32970);
  EXPECT_EQ(list.rowCount(), 2);
  fs.failNext(FileOperation::kReadWhole, StackFile(0, 2), {FileCause::kSharingViolation, 32});
  tab.switchGroup(0);
  std::vector<std::string> texts;
  for (const auto& box : ui.boxes()) texts.push_back(box.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "ﾌｧｲﾙの削除に失敗しました(7m_Dell) \nアクセスが制限されています　\n保護されて削除できません　",
                       "ﾌｧｲﾙの削除に失敗しました(7m_Dell)",
                       "ﾌｧｲﾙの読み込みに失敗しました(7m_FileGet)　\nエラー詳細：SHARE.EXE 未ロードまたは共有領域ロック済み"}));
  fs.failNext(FileOperation::kRemove, StackFile(0, 1), {FileCause::kAccessDenied, 5});
  fs.setReadOnly(StackFile(0, 1), false);
  tab.onClearCommand("0927Plan_ClrStack:::00");
  EXPECT_EQ(ui.boxes().back().text, "ﾌｧｲﾙの削除に失敗しました(7m_AllDel)");
}

TEST_F(StackTabTest, ThePlanClipboardCaptureShowsInGroupZero) {
  std::string name;
  ASSERT_EQ(writer.store(list.groupFolder(0), "－", "貼り付けた", &name), 0);
  tab.onCaptureStored(name);
  ASSERT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.text(0, stack_column::kPlanName), "－");
  EXPECT_EQ(tab.groupNames()[0], "ﾌﾟﾗﾝ用ｸﾘｯﾌﾟﾎﾞｰﾄﾞ履歴");
  // Shown elsewhere, the capture changes no row.
  tab.switchGroup(5);
  tab.onCaptureStored(name);
  EXPECT_EQ(list.rowCount(), 0);
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

TEST(StackMenuTest, OffersThePastesTheOrdersTheInitialisationAndDelete) {
  TabMenuContext context;
  context.clickPastes = false;
  MenuModel menu = StackMenuPattern();
  PrepareTabMenu(menu, context);
  for (int command : {32795, 32794, 32796, 32797, 32800, 32812, stack_command::kSortByValue,
                      stack_command::kSortBySize, stack_command::kInitialise, 32970}) {
    EXPECT_TRUE(menu.contains(command)) << command;
  }
  EXPECT_TRUE(menu.contains(32811));  // "プラン呼び出し", filled by the Plan tab as in the other tabs
  EXPECT_TRUE(menu.find(32794)->isDefault);
}

}  // namespace
}  // namespace qb
