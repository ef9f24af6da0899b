#include "history/capture_controller.h"

#include <gtest/gtest.h>

#include "base/text_limits.h"
#include "history/clipboard_reader.h"
#include "history/history_options.h"
#include "history/store_folders.h"
#include "platform/fake/fake_clipboard.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/history/history_fixture.h"

namespace qb {
namespace {

// Records what capture hands on.
struct RecordingHandOffs : CaptureHandOffs {
  std::string workingDocumentStatus() override { return status; }
  std::optional<std::string> takeLanPublisherOf(std::string_view text) override {
    if (lanText.empty() || text != lanText) return std::nullopt;
    lanText.clear();
    return std::string("佐藤");
  }
  void publishToLan(std::string_view text) override { published.emplace_back(text); }
  bool planClipboardFlag() override { return planRunning; }
  void stackItemStored(const std::string& fileName) override { stackFiles.push_back(fileName); }
  void flashTrayIcon() override { ++flashes; }
  void runCapturePlan(std::string_view plan, std::string_view text) override {
    planRuns.push_back(std::string(plan) + "|" + std::string(text));
  }
  void postDeferredCapture() override { ++deferred; }

  std::string status;
  std::string lanText;
  bool planRunning = false;
  std::vector<std::string> published, stackFiles, planRuns;
  int flashes = 0;
  int deferred = 0;
};

struct RecordingChain : ClipboardChain {
  explicit RecordingChain(FakeClock& c) : clock(c) {}
  void join() override { events.push_back("join@" + std::to_string(clock.milliseconds())); }
  void leave() override { events.push_back("leave@" + std::to_string(clock.milliseconds())); }
  FakeClock& clock;
  std::vector<std::string> events;
};

class CaptureTest : public ::testing::Test, public HistoryWorld {
 protected:
  void SetUp() override {
    settings.Stack_Enable = 1;
    settings.StackHistNotFlg = 0;
    settings.TrayIcomAnimeFlg = 1;
    ASSERT_TRUE(CreateStoreFolders(fs, ui, kHome));
    ASSERT_EQ(history->load(300), 0);
    capture.setViewReady(true);
  }
  void copy(std::string_view text) {
    clipboard.putText(text);
    capture.onClipboardChanged();
  }
  std::string values() {
    std::string all;
    for (int i = 0; i < history->rowCount(); ++i) all += history->text(i, 9) + ",";
    return all;
  }

  FakeClipboard clipboard;
  RecordingHandOffs handOffs;
  RecordingChain chain{clock};
  std::unique_ptr<CHistoryList> history = makeList();
  StackItemWriter stack{fs, clock, ui};
  CaptureController capture{
      {clipboard, clock, ui, settings, *history, stack, handOffs, chain, kHome}};
};

TEST_F(CaptureTest, ARepeatIsStoredOnceUnlessEveryNoticeIsTaken) {
  copy("same");
  copy("same");
  EXPECT_EQ(values(), "same,");
  settings.Rireki_All_Flg = 1;
  copy("same");
  copy("same");
  EXPECT_EQ(values(), "same,same,same,");
  EXPECT_EQ(handOffs.flashes, 3);
  EXPECT_EQ(clipboard.protocolViolations(), 0);
}

TEST_F(CaptureTest, ABAKeepsThreeItemsOrDropsTheOlderA) {
  copy("A");
  copy("B");
  copy("A");
  EXPECT_EQ(values(), "A,B,A,");
  history->m_AllDel();
  settings.RirekiDuplicate = 1;
  copy("C");
  history->afterValueUsed(0, false);
  copy("D");
  copy("C");
  EXPECT_EQ(values(), "C,D,");
  EXPECT_EQ(history->text(0, 0), ".");  // the reuse mark came along
}

TEST_F(CaptureTest, NothingIsTakenWhileBusyStoppedOrBeforeTheViewIsReady) {
  ui.setWhileShown([this](const MessageBoxRecord&) { copy("during a box"); });
  ui.showMessage("a box", MessageIcon::kInformation);
  ui.setWhileShown(nullptr);
  settings.RirekiStop = 1;
  copy("stopped");
  EXPECT_EQ(handOffs.published, (std::vector<std::string>{"stopped"}));  // the publish still sees it
  settings.RirekiStop = 0;
  capture.setViewReady(false);
  copy("not ready");
  clipboard.setNonText();
  capture.setViewReady(true);
  capture.onClipboardChanged();
  EXPECT_EQ(history->rowCount(), 0);
}

TEST_F(CaptureTest, PrivateContentIsNeitherStoredNorPublished) {
  clipboard.putText("password");
  clipboard.markPrivate();
  capture.onClipboardChanged();
  capture.onWatchdogTick();
  EXPECT_EQ(history->rowCount(), 0);
  EXPECT_TRUE(handOffs.published.empty());
  EXPECT_TRUE(chain.events.empty());
  handOffs.planRunning = true;
  capture.onClipboardChanged();
  EXPECT_TRUE(handOffs.stackFiles.empty());
}

TEST_F(CaptureTest, DuringAPlanRunTextsGoToStackGroup00Only) {
  handOffs.planRunning = true;
  copy("plan text");
  EXPECT_EQ(history->rowCount(), 0);
  EXPECT_EQ(handOffs.stackFiles, (std::vector<std::string>{"STAK001.cln"}));
  EXPECT_EQ(fs.contentOf(std::string(kHome) + "Stack\\StackDir00\\STAK001.cln"),
            "00000000:::001:::－:::0:::0:::plan text");
  settings.StackHistNotFlg = 1;
  copy("not kept");
  EXPECT_EQ(handOffs.stackFiles.size(), 1u);
  handOffs.planRunning = false;
  copy("not kept");  // the plan's last text counts as taken
  EXPECT_EQ(history->rowCount(), 0);
}

TEST_F(CaptureTest, LabelsComeFromThePublisherOrTheWorkingDocument) {
  handOffs.status = "作業中文書：メモ帳 - 無題";
  copy("typed");
  handOffs.lanText = "from lan";
  copy("from lan");
  handOffs.status = "no mark";
  copy("plain");
  handOffs.status = "作業中文書：";  // a window without a title
  copy("untitled");
  EXPECT_EQ(history->text(3, 8), "メモ帳 - 無題");
  EXPECT_EQ(history->text(2, 8), "公開者：佐藤");
  EXPECT_EQ(history->text(1, 8), " ");
  EXPECT_EQ(history->text(0, 8), " ");
}

TEST_F(CaptureTest, TheCaptureHandsOnTheTextToPublishAndPlan) {
  settings.RirekiGetPlanFlg = 1;
  settings.RirekiGetPlanName = "整形";
  copy(std::string(9000, 'x'));
  ASSERT_EQ(handOffs.published.size(), 1u);
  EXPECT_EQ(handOffs.published[0].size(), 8192u);
  EXPECT_EQ(handOffs.planRuns, (std::vector<std::string>{"整形|" + std::string(9000, 'x')}));
}

TEST_F(CaptureTest, ALongTextIsCutButItsFullLengthCountsForTheRepeatTest) {
  std::string longText(512000, 'a');
  copy(longText + "b");
  EXPECT_EQ(history->text(0, 7), "00512000");
  copy(longText);
  EXPECT_EQ(history->rowCount(), 2);
  // A cut that would split a double-byte character ends before it.
  copy(std::string(511999, 'c') + "アイ");
  EXPECT_EQ(history->text(0, 7), "00511999");
}

TEST_F(CaptureTest, AClipboardHeldForAMomentIsReadWithoutWaiting) {
  // Another listener reads the same change: the first opens are refused.
  clipboard.busyForNextOpens(3);
  copy("taken at once");
  EXPECT_EQ(values(), "taken at once,");
  EXPECT_TRUE(clock.waits().empty());
  EXPECT_TRUE(ui.boxes().empty());
  // The same holds for the single try of the watchdog.
  clipboard.putText("missed");
  clipboard.busyForNextOpens(3);
  capture.onWatchdogTick();
  EXPECT_EQ(chain.events.size(), 2u);
}

TEST_F(CaptureTest, AClipboardWithoutTextIsNeverOpened) {
  // An image whose owner still holds the clipboard: no waits, no warning.
  clipboard.setNonText();
  clipboard.holdElsewhere(true);
  capture.onClipboardChanged();
  capture.onWatchdogTick();
  EXPECT_EQ(clipboard.opens(), 0);
  EXPECT_TRUE(clock.waits().empty());
  EXPECT_TRUE(ui.boxes().empty());
  EXPECT_EQ(history->rowCount(), 0);
}

TEST_F(CaptureTest, ACaptureWaitingForTheClipboardStoresNothingAfterTheShutdown) {
  clipboard.busyForNextOpens(202);  // held longer than a moment: the read waits
  // The close request is handled during the retry waits.
  clock.schedule(200, [&] { capture.setViewReady(false); });
  copy("late");
  EXPECT_EQ(history->rowCount(), 0);
  EXPECT_EQ(fileCount(), 0u);
  EXPECT_TRUE(handOffs.published.empty());
}

TEST_F(CaptureTest, ListedApplicationsAreReadLate) {
  settings.DisabledAp[3] = "表計算";
  handOffs.status = "作業中文書：表計算 - Book1";
  copy("cells");
  EXPECT_EQ(handOffs.deferred, 1);
  EXPECT_EQ(history->rowCount(), 0);
  capture.onDeferredCapture();
  EXPECT_EQ(clock.waits(), (std::vector<int>{150}));
  EXPECT_EQ(values(), "cells,");
}

TEST_F(CaptureTest, TheWatchdogRejoinsWhenANoticeWasMissed) {
  copy("seen");
  capture.onWatchdogTick();
  EXPECT_TRUE(chain.events.empty());
  clipboard.putText("missed");
  clock.advance(15000);
  capture.onWatchdogTick();
  EXPECT_EQ(chain.events, (std::vector<std::string>{"leave@15000", "join@15500"}));
  settings.RirekiStop = 1;
  capture.onWatchdogTick();
  EXPECT_EQ(chain.events.size(), 2u);
}

TEST_F(CaptureTest, TheFiveTryWarningComesAfterTheFifthFailedOpen) {
  clipboard.putText("held");
  clipboard.holdElsewhere(true);
  std::vector<std::uint64_t> openTimes;
  capture.onClipboardChanged();
  EXPECT_EQ(clock.waits(), (std::vector<int>{300, 500, 600, 700}));
  EXPECT_EQ(clock.milliseconds(), 2100u);
  EXPECT_EQ(clipboard.failedOpens(), 1 + 200 + 4);  // the first try is tried again at once
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "クリップボードが開けません(5回ﾘﾄﾗｲ)。\n他のアプリケーションが占有している可能性があります。　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(history->rowCount(), 0);
}

TEST_F(CaptureTest, OwnTextsAreNotTakenAgain) {
  ASSERT_EQ(capture.putTextOnClipboard("pasted by us", false), 0);
  capture.onClipboardChanged();
  EXPECT_EQ(history->rowCount(), 0);
  EXPECT_EQ(clipboard.currentText(), "pasted by us");
  ASSERT_EQ(capture.putTextOnClipboard("from lan", true), 0);
  capture.onClipboardChanged();
  EXPECT_EQ(values(), "from lan,");
}

TEST_F(CaptureTest, WritingRightAfterPlacingTheWindowWaitsFirstAndRetries) {
  capture.windowPlaced();
  clock.advance(249);
  clipboard.busyForNextOpens(2);
  ASSERT_EQ(capture.putTextOnClipboard("v", false), 0);
  EXPECT_EQ(clock.waits(), (std::vector<int>{100}));  // a moment's hold costs no wait
  clipboard.busyForNextOpens(202);
  ASSERT_EQ(capture.putTextOnClipboard("v", false), 0);
  EXPECT_EQ(clock.waits(), (std::vector<int>{100, 100, 400}));
  clipboard.failNextSetTexts(1);
  EXPECT_EQ(capture.putTextOnClipboard("w", false), -1);
  EXPECT_EQ(ui.boxes().back().text, "クリップボードにデータをセットできません");
  EXPECT_FALSE(clipboard.isOpen());
}

TEST_F(CaptureTest, ABusyClipboardStopsTheWriteAfterFiveTries) {
  clipboard.holdElsewhere(true);
  EXPECT_EQ(capture.putTextOnClipboard("v", false), -1);
  EXPECT_EQ(clock.milliseconds(), 1600u);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kExclamation);
  EXPECT_FALSE(clipboard.isOpen());
}

TEST_F(CaptureTest, ValuesFromOtherTabsAndHistoryPartsFollowTheirOptions) {
  EXPECT_FALSE(capture.onValuePasted(TabKind::kSave, false, "saved"));
  settings.OthersTabGet = 1;
  settings.RirekiBubunGet = 1;
  EXPECT_FALSE(capture.onValuePasted(TabKind::kSave, false, "saved"));
  EXPECT_FALSE(capture.onValuePasted(TabKind::kHistory, false, "whole"));
  EXPECT_TRUE(capture.onValuePasted(TabKind::kHistory, true, "part"));
  EXPECT_EQ(values(), "part,saved,");
}

TEST(HistoryOptionMenu, SwitchingOnAsksForTheVariantAndSwitchingOffDoesNot) {
  EnvironmentSettings settings;
  std::vector<std::string> prompts;
  int answer = 2;
  ChooseVariant choose = [&](const TwoChoicePrompt& prompt) {
    prompts.push_back(std::string(prompt.title) + "|" + std::string(prompt.secondChoice));
    return answer;
  };
  EXPECT_FALSE(ToggleHistoryOption(settings, HistoryOption::kTopMove, choose));
  EXPECT_EQ(settings.RirekiTopMove, 2);
  ToggleHistoryOption(settings, HistoryOption::kTopMove, choose);
  EXPECT_EQ(settings.RirekiTopMove, 0);
  answer = 0;  // cancelled
  ToggleHistoryOption(settings, HistoryOption::kDuplicate, choose);
  EXPECT_EQ(settings.RirekiDuplicate, 0);
  EXPECT_EQ(prompts, (std::vector<std::string>{"履歴タブオプション設定|選択状態も移動する",
                                               "履歴タブオプション設定|チェックマークは引き継がない"}));
  ToggleHistoryOption(settings, HistoryOption::kStop, choose);
  EXPECT_EQ(settings.RirekiStop, 1);
  EXPECT_TRUE(ToggleHistoryOption(settings, HistoryOption::kStop, choose));  // rejoin now
  EXPECT_EQ(prompts.size(), 2u);
  EXPECT_EQ(HistoryOptionEntries().size(), 8u);
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// Texts code page 932 cannot hold, in UTF-8 (named: a u8 literal inside a test macro would be
// turned into a Shift-JIS message text).
const std::string kCafe = U8(u8"café");
const std::string kCafeGrave = U8(u8"cafè");
const std::string kGrin = U8(u8"😀");
const std::string kSmile = U8(u8"🙂");
const std::string kEAcute = U8(u8"é");

class ExactCaptureTest : public CaptureTest {
 protected:
  void copyExact(std::string_view sjis, std::string_view exact) {
    clipboard.putExactText(sjis, exact);
    capture.onClipboardChanged();
  }
  std::string exactOf(int row) {
    std::string exact;
    EXPECT_EQ(history->exactValue(row, exact), 0);
    return exact;
  }
};

TEST_F(ExactCaptureTest, TextsSharingTheirCodePage932FormAreDifferentTexts) {
  copyExact("caf?", kCafe);
  copyExact("caf?", kCafe);  // a repeat
  copyExact("caf?", kCafeGrave);
  copy("caf?");
  ASSERT_EQ(history->rowCount(), 3);
  EXPECT_EQ(exactOf(0), "");
  EXPECT_EQ(exactOf(1), kCafeGrave);
  EXPECT_EQ(exactOf(2), kCafe);
  EXPECT_EQ(handOffs.published.back(), "caf?");  // the LAN gets the code-page-932 form
}

TEST_F(ExactCaptureTest, AnOwnExactTextIsNotTakenAgainAndTheWatchdogSeesExactChanges) {
  ASSERT_EQ(capture.putExactTextOnClipboard("??", kGrin, false), 0);
  EXPECT_EQ(clipboard.currentExactText(), kGrin);
  capture.onClipboardChanged();
  EXPECT_EQ(history->rowCount(), 0);
  capture.onWatchdogTick();
  EXPECT_TRUE(chain.events.empty());
  clipboard.putExactText("??", kSmile);  // a notice missed
  capture.onWatchdogTick();
  EXPECT_EQ(chain.events.size(), 2u);
}

TEST_F(ExactCaptureTest, AValuePastedFromAnotherTabInItsExactFormIsTakenExact) {
  settings.OthersTabGet = 1;
  capture.onValuePasted(TabKind::kSave, false, "caf?", kCafe);
  ASSERT_EQ(history->rowCount(), 1);
  EXPECT_EQ(exactOf(0), kCafe);
}

TEST_F(ExactCaptureTest, ACutTextKeepsNoExactForm) {
  copyExact(std::string(kMaxValueBytes + 2, 'a'), std::string(kMaxValueBytes + 1, 'a') + kEAcute);
  ASSERT_EQ(history->rowCount(), 1);
  EXPECT_EQ(exactOf(0), "");
  EXPECT_TRUE(fs.list(std::string(kClipsave) + "\\*.utf").empty());
}

}  // namespace
}  // namespace qb
