// The blocks that drive the clipboard, the working window, the host's stack tab, written files,
// folders and the shell.
#include <gtest/gtest.h>

#include "tests/unit/planlib/io_test_support.h"

namespace qb {
namespace {

using namespace test;

constexpr std::string_view kStop = "0927Plan_HotKeyStop";
constexpr std::string_view kStart = "0927Plan_HotKeyStart";
constexpr std::string_view kActWin = "0927Plan_ActWin";

std::string OutClipboard(std::string_view data = "", int source = 1) {
  return Io("OUT_CLIPBOARD", {{"KIND_IN", std::to_string(source)}, {"DATAIN", std::string(data)}});
}
std::string Copy(int onNoText, std::string_view tag = "ACTWIN_COPY") {
  return Io(tag, {{"KIND_GETERR", std::to_string(onNoText)}});
}
std::string Paste(std::string_view data = "", int source = 1) {
  return Io("ACTWIN_PASTE", {{"KIND_IN", std::to_string(source)}, {"DATAIN", std::string(data)}});
}
std::string OutStack(int group, int max64k, int source = 1, std::string_view data = "") {
  return Io("OUT_STACK", {{"KIND_IN", std::to_string(source)}, {"STACK_GROUP", std::to_string(group)},
                          {"MAX64K", std::to_string(max64k)}, {"DATAIN", std::string(data)}});
}
std::string FileWrite(int naming, std::string_view path, int check = 0) {
  return Io("OUT_FILE_WRITE", {{"KIND_IN", "1"}, {"KIND_FILENAME", std::to_string(naming)},
                               {"FILE_PATH", std::string(path)}, {"DATAIN", ""},
                               {"FILE_CHECK", std::to_string(check)}});
}
std::string FileAdd(std::string_view path) {
  return Io("OUT_FILE_ADD", {{"KIND_IN", "1"}, {"FILE_PATH", std::string(path)}, {"DATAIN", ""}});
}
std::string CreateFolder(std::string_view path) { return Io("CREATE_FOLDER", {{"FOLDER", std::string(path)}}); }

class IoBlocksTest : public ::testing::Test {
 protected:
  IoHarness harness;
};

TEST_F(IoBlocksTest, ClipboardOutputSuspendsHotkeysAndWaitsAfterTheWrite) {
  PlanRun run = harness.runBlocks(OutClipboard("<$作業中ウィンドウ名>:<$現在行>", 2), "本文");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "本文");
  EXPECT_EQ(harness.clipboard.currentText(), "メモ帳:1");
  EXPECT_EQ(harness.host.log(), (std::vector<std::string>{"0 0927Plan_HotKeyStop", "200 0927Plan_HotKeyStart"}));
  EXPECT_EQ(harness.clipboard.protocolViolations(), 0);
}

TEST_F(IoBlocksTest, ClipboardThatStaysBusyFailsAfterFiveTries) {
  harness.clipboard.busyForNextOpens(5);
  PlanRun run = harness.runBlocks(OutClipboard(), "x");
  EXPECT_EQ(run.result, -1);
  EXPECT_EQ(harness.clipboard.opens(), 5);
  EXPECT_EQ(harness.clock.milliseconds(), 1000u);  // 100 + 200 + 300 + 400
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0], "【操作ブロック[クリップボード出力]実行】\n\nクリップボードのオープンに失敗しました(5回ﾘﾄﾗｲ)。　");
  EXPECT_TRUE(harness.hotKeysBalanced());

  harness.clipboard.failNextSetTexts(1);
  PlanRun notStored = harness.runBlocks(OutClipboard(), "x");
  EXPECT_EQ(notStored.result, -1);
  EXPECT_EQ(notStored.messages[0], "【操作ブロック[クリップボード出力]実行】\n\nクリップボードへのデータ格納に失敗しました。　");
  EXPECT_FALSE(harness.clipboard.isOpen());
  EXPECT_TRUE(harness.hotKeysBalanced());
}

TEST_F(IoBlocksTest, ClipboardInputTakesTheTextOrCancelsWhenAsked) {
  harness.clipboard.putText(std::string(512005, 'a'));
  PlanRun taken = harness.runBlocks(Io("IN_CLIPBOARD", {{"KIND_GETERR", "2"}}), "old");
  EXPECT_EQ(taken.text.size(), 512000u);

  harness.clipboard.setNonText();
  PlanRun goOn = harness.runBlocks(Io("IN_CLIPBOARD", {{"KIND_GETERR", "1"}}) + Insert(5, "!"), "old");
  EXPECT_EQ(goOn.result, 0);
  EXPECT_EQ(goOn.text, "!");

  PlanRun cancelled = harness.runBlocks(Io("IN_CLIPBOARD", {{"KIND_GETERR", "2"}}), "old");
  EXPECT_EQ(cancelled.result, 103);
  ASSERT_EQ(harness.dialogs.notices().size(), 1u);
  const auto& notice = harness.dialogs.notices()[0];
  EXPECT_EQ(notice.notice.text, "クリップボードに文字列が無いため\r\nプランをキャンセルします");
  EXPECT_EQ(notice.closedAt - notice.openedAt, 2000u);
  EXPECT_EQ(notice.notice.textColor, (PlanColor{0, 64, 0}));
  EXPECT_EQ(notice.notice.backColor, (PlanColor{230, 235, 116}));
}

TEST_F(IoBlocksTest, CopyPressesTheKeysAndTakesWhatArrives) {
  harness.clipboard.putText("old content");
  harness.host.onCommand = [&](const std::string& command) {
    if (command != kActWin) return;
    // The selected text reaches the clipboard 400 ms after the window came to the front.
    harness.clock.schedule(400, [&] { harness.clipboard.putText("選択した文字"); });
  };
  PlanRun run = harness.runBlocks(Copy(2, "ACTWIN_CUT"), "before");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "選択した文字");
  EXPECT_EQ(harness.keyboard.log(),
            (std::vector<std::string>{"50 down 17", "70 down 88", "90 up 88", "110 up 17"}));
  EXPECT_EQ(harness.host.commands(),
            (std::vector<std::string>{std::string(kStop), std::string(kActWin), std::string(kStart)}));
}

TEST_F(IoBlocksTest, CopyOfNothingCancelsOrHandsOnAnEmptyText) {
  PlanRun cancelled = harness.runBlocks(Copy(2), "before");
  EXPECT_EQ(cancelled.result, 103);
  EXPECT_EQ(harness.dialogs.notices().at(0).notice.text, "文字列が選択されていません\r\nプランをキャンセルします");
  // 50 + 3 x 20 + 150 ms of keys, four waits of 170 ms, then the two-second notice.
  EXPECT_EQ(harness.clock.milliseconds(), 260u + 4 * 170 + 2000);
  EXPECT_TRUE(harness.hotKeysBalanced());

  int opensBefore = harness.clipboard.opens();
  PlanRun goOn = harness.runBlocks(Copy(1) + Insert(5, "[<$半角換算文字数>]"), "before");
  EXPECT_EQ(goOn.result, 0);
  EXPECT_EQ(goOn.text, "[0]");
  EXPECT_EQ(harness.clipboard.opens() - opensBefore, 1 + 100);  // the empty write, then 100 reads
  EXPECT_TRUE(harness.hotKeysBalanced());
}

TEST_F(IoBlocksTest, PasteWritesTheTextAndSendsCtrlV) {
  PlanRun run = harness.runBlocks(Paste("貼る<$作業中ウィンドウ名>", 2), "in");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "in");
  EXPECT_EQ(harness.keyboard.pastes(), (std::vector<std::string>{"貼るメモ帳"}));
  EXPECT_EQ(harness.keyboard.log().front(), "50 down 17");
  EXPECT_EQ(harness.host.log(), (std::vector<std::string>{"0 0927Plan_HotKeyStop", "0 0927Plan_ActWin",
                                                          "410 0927Plan_HotKeyStart"}));
}

TEST_F(IoBlocksTest, HotkeysComeBackOnEveryPathOfTheKeyboardBlocks) {
  harness.clipboard.holdElsewhere(true);
  for (const std::string& block : {OutClipboard(), Paste(), Copy(1), Copy(2, "ACTWIN_CUT")}) {
    PlanRun run = harness.runBlocks(block, "x");
    EXPECT_EQ(run.result, -1) << block;
    EXPECT_TRUE(harness.hotKeysBalanced()) << block;
  }
  harness.clipboard.holdElsewhere(false);
  // A stop request from the host in the middle of the keys.
  std::uint64_t actWinAt = 0;
  harness.host.onCommand = [&](const std::string& command) {
    if (command != kActWin) return;
    actWinAt = harness.clock.milliseconds();
    harness.clock.schedule(60, [&] { harness.runner.m_RequestStop(); });
  };
  PlanRun stopped = harness.runBlocks(Paste() + Insert(5, "never"), "x");
  EXPECT_EQ(stopped.result, 103);
  EXPECT_TRUE(harness.hotKeysBalanced());
  // Ctrl went down at 50 ms and is released when the stop cuts the wait.
  EXPECT_EQ(harness.keyboard.log(), (std::vector<std::string>{std::to_string(actWinAt + 50) + " down 17",
                                                              std::to_string(actWinAt + 60) + " up 17"}));
}

TEST_F(IoBlocksTest, KeyboardBlocksNeedTheHost) {
  harness.world.host = nullptr;
  PlanRun run = harness.runBlocks(Paste(), "x");
  EXPECT_EQ(run.messages.at(0),
            "【操作ブロック[作業中ウィンドウへの貼り付け]実行】\n\nこの操作ブロックは、この実行環境では使用できません。　");
  harness.world.host = &harness.host;
  EXPECT_EQ(harness.runBlocks(Io("ACTWIN_DSP", {}), "x").result, 0);
  EXPECT_EQ(harness.host.commands(), (std::vector<std::string>{std::string(kActWin)}));
}

TEST_F(IoBlocksTest, StackOutputSendsGroupPlanNameAndTheCutText) {
  std::string big(70000, 'b');
  harness.runBlocks(OutStack(0, 1) + OutStack(3, 0) + OutStack(9, 0, 2, "a:::b<$現在行>"), big);
  const auto& commands = harness.host.commands();
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0], "0927Plan_OutStack:::00:::テスト:::" + std::string(65536, 'b'));
  EXPECT_EQ(commands[1], "0927Plan_OutStack:::03:::テスト:::" + big);
  EXPECT_EQ(commands[2], "0927Plan_OutStack:::09:::テスト:::a:::b1");
  harness.runBlocks(Io("CLR_STACK", {{"STACK_GROUP", "4"}}), "");
  EXPECT_EQ(harness.host.commands().back(), "0927Plan_ClrStack:::04");
}

TEST_F(IoBlocksTest, StampedOutputNamesTakeTheNextFreeSequence) {
  harness.clock.setLocalNow({2024, 1, 1, 12, 0, 0});
  harness.files.putFolder("C:\\out");
  std::string names = Insert(3, "<$最終出力ファイルパス>|<$最終出力ファイル名>|<$最終出力ファイルフォルダ>");
  PlanRun first = harness.runBlocks(FileWrite(2, "C:\\out\\b.txt"), "one");
  PlanRun second = harness.runBlocks(FileWrite(2, "C:\\out\\b.txt") + names, "two");
  EXPECT_EQ(harness.files.contentOf("C:\\out\\b_2024010112000000.txt"), "one");
  EXPECT_EQ(harness.files.contentOf("C:\\out\\b_2024010112000001.txt"), "two");
  EXPECT_EQ(second.text, "C:\\out\\b_2024010112000001.txt|b_2024010112000001.txt|C:\\out");
  harness.runBlocks(FileWrite(3, "C:\\out\\noext"), "three");
  EXPECT_EQ(harness.files.contentOf("C:\\out\\2024010112000000_noext"), "three");
  EXPECT_FALSE(harness.files.exists("C:\\out\\b.txt"));
  EXPECT_EQ(first.result, 0);
  // All hundred names of the second taken: nothing is overwritten.
  for (int sequence = 2; sequence < 100; ++sequence) {
    harness.files.putFile("C:\\out\\b_20240101120000" + std::string(sequence < 10 ? "0" : "") +
                              std::to_string(sequence) + ".txt", "old");
  }
  PlanRun full = harness.runBlocks(FileWrite(2, "C:\\out\\b.txt"), "new");
  EXPECT_EQ(full.result, -1);
  EXPECT_EQ(full.messages.at(0), "【操作ブロック[ファイル出力]実行】\n\nファイルの出力に失敗しました。　\n"
                                 "エラー詳細：未定義エラー\n( C:\\out\\b.txt )");
  EXPECT_EQ(harness.files.contentOf("C:\\out\\b_2024010112000099.txt"), "old");
}

TEST_F(IoBlocksTest, OutputAsksBeforeReplacingAndReportsFailures) {
  harness.files.putFile("C:\\out\\a.txt", "kept");
  harness.ui.expectAnswer(MessageAnswer::kNo);
  PlanRun refused = harness.runBlocks(FileWrite(1, "C:\\out\\a.txt", 1), "new");
  EXPECT_EQ(refused.result, 103);
  EXPECT_EQ(refused.messages.at(0),
            "【操作ブロック[ファイル出力]実行】\n\n既に存在する下記のファイルは上書きされます。\n( C:\\out\\a.txt )　\n\n"
            "プランの実行を続けますか？\n");
  EXPECT_EQ(harness.files.contentOf("C:\\out\\a.txt"), "kept");

  harness.files.failAlways(FileOperation::kWriteNew, "C:\\out\\a.txt", {FileCause::kAccessDenied, 5});
  PlanRun failed = harness.runBlocks(FileWrite(1, "C:\\out\\a.txt"), "new");
  EXPECT_EQ(failed.result, -1);
  EXPECT_EQ(failed.messages.at(0), "【操作ブロック[ファイル出力]実行】\n\nファイルの出力に失敗しました。　\n"
                                   "エラー詳細：ファイル アクセス禁止\n( C:\\out\\a.txt )");
}

TEST_F(IoBlocksTest, AppendNeverCreatesTheFile) {
  PlanRun missing = harness.runBlocks(FileAdd("<$データホームフォルダ>\\log.txt"), "x");
  EXPECT_EQ(missing.result, -1);
  EXPECT_EQ(missing.messages.at(0), "【操作ブロック[ファイル追記出力]実行】\n\nファイルが見つかりません。　\n"
                                    "( C:\\Tools\\PlanDataHome\\log.txt )");
  EXPECT_FALSE(harness.files.exists("C:\\Tools\\PlanDataHome\\log.txt"));

  harness.files.putFile("C:\\log.txt", "a\r\n");
  PlanRun added = harness.runBlocks(FileAdd("C:\\log.txt") + Insert(3, "<$最終追記ファイル名>"), "b");
  EXPECT_EQ(harness.files.contentOf("C:\\log.txt"), "a\r\nb");
  EXPECT_EQ(added.text, "log.txt");
}

TEST_F(IoBlocksTest, CreateFileEmptiesAndCreateFolderMakesEveryLevel) {
  harness.files.putFile("C:\\f.txt", "content");
  harness.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(harness.runBlocks(Io("CREATE_FILE", {{"FILE_PATH", "C:\\f.txt"}, {"FILE_CHECK", "1"}}), "").result, 0);
  EXPECT_EQ(harness.files.contentOf("C:\\f.txt"), "");

  EXPECT_EQ(harness.runBlocks(CreateFolder("C:\\a\\b\\c"), "").result, 0);
  EXPECT_TRUE(harness.files.attributes("C:\\a\\b\\c")->isFolder);
  harness.files.putFolder("\\\\server\\share");
  EXPECT_EQ(harness.runBlocks(CreateFolder("\\\\server\\share\\new\\deeper"), "").result, 0);
  EXPECT_TRUE(harness.files.attributes("\\\\server\\share\\new\\deeper")->isFolder);

  std::string deep = "C:";
  for (int level = 0; level < 100; ++level) deep += "\\d";
  for (std::string bad : {std::string("C:\\"), std::string("\\\\server"), deep}) {
    PlanRun run = harness.runBlocks(CreateFolder(bad), "");
    EXPECT_EQ(run.result, -1) << bad;
    EXPECT_EQ(run.messages.at(0), "【操作ブロック[フォルダ作成]実行】\n\nパスが不正です。　\n( " + bad + " )");
  }
  PlanRun onAFile = harness.runBlocks(CreateFolder("C:\\f.txt\\sub"), "");
  EXPECT_EQ(onAFile.messages.at(0), "【操作ブロック[フォルダ作成]実行】\n\nフォルダ作成に失敗しました。　\n( C:\\f.txt\\sub )");
}

TEST_F(IoBlocksTest, StartingBlocksOpenThroughTheShell) {
  harness.files.putFile("C:\\doc.xyz", "");
  harness.files.putFolder("C:\\dir");
  harness.shell.setResult("C:\\doc.xyz", 31);
  auto starting = [](std::string_view tag, std::string_view element, std::string_view value, int source = 2) {
    return Io(tag, {{"KIND_STARTING", "2"}, {"KIND_IN", std::to_string(source)}, {std::string(element), std::string(value)}});
  };
  EXPECT_EQ(harness.runBlocks(starting("FILE_STARTING", "FILE_PATH", "C:\\doc.xyz"), "").result, 0);
  EXPECT_EQ(harness.runBlocks(starting("FOLDER_STARTING", "FOLDER", "", 1), "C:\\dir").result, 0);
  EXPECT_EQ(harness.runBlocks(starting("WEB_STARTING", "DATAURL", "https://example.test/<$現在行>"), "").result, 0);
  std::string apl = Io("APL_STARTING", {{"KIND_STARTING", "2"}, {"KIND_IN", "2"}, {"APL_PATH", "C:\\app.exe"},
                                        {"APL_HIKISU", "-x <$現在行>"}});
  EXPECT_EQ(harness.runBlocks(apl, "").result, 0);
  EXPECT_EQ(harness.shell.opens(), (std::vector<FakePlanShell::Open>{{"C:\\doc.xyz", "", false},
                                                                     {"notepad.exe", "C:\\doc.xyz", false},
                                                                     {"C:\\dir", "", true},
                                                                     {"https://example.test/1", "", false},
                                                                     {"C:\\app.exe", "-x 1", false}}));

  harness.shell.setResult("notepad.exe", 2);
  harness.shell.setResult("C:\\app.exe", 32);
  const std::pair<std::string, std::string> failures[] = {
      {starting("FILE_STARTING", "FILE_PATH", "C:\\doc.xyz"),
       "【操作ブロック[ファイルを開く]実行】\n\nファイルを開くことに失敗しました。　\n( C:\\doc.xyz )"},
      {starting("FILE_STARTING", "FILE_PATH", "C:\\dir"),
       "【操作ブロック[ファイルを開く]実行】\n\nファイルが見つかりません。　\n( C:\\dir )"},
      {starting("FOLDER_STARTING", "FOLDER", "C:\\none"),
       "【操作ブロック[フォルダを開く]実行】\n\nフォルダが見つかりません。　\n( C:\\none )"},
      {starting("WEB_STARTING", "DATAURL", ""), "【操作ブロック[Webの表示]実行】　\n\nアドレスが設定されていません。　"},
      {apl, "【操作ブロック[アプリケーション起動]実行】\n\nアプリケーションの実行に失敗しました。　\n( C:\\app.exe -x 1 )"},
  };
  for (const auto& [block, message] : failures) {
    PlanRun run = harness.runBlocks(block, "");
    EXPECT_EQ(run.result, -1);
    EXPECT_EQ(run.messages.at(0), message);
  }
}

}  // namespace
}  // namespace qb
