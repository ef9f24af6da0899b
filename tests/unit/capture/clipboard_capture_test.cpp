#include "history/clipboard_capture.h"

#include <gtest/gtest.h>

#include "base/byte_shift.h"
#include "history/clipboard_reader.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

namespace qb {
namespace {

constexpr char kHome[] = "C:\\QB\\tester\\";
constexpr char kFolder[] = "C:\\QB\\tester\\clipsave";

class CaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.putFolder("C:\\QB\\tester");
    ASSERT_EQ(store.open(), 0);
    capture.setViewReady(true);
  }

  std::string item(int number) {
    char name[64];
    std::snprintf(name, sizeof name, "%s\\SAVE%04d.cln", kFolder, number);
    std::optional<std::string> content = fs.contentOf(name);
    return content ? ShiftBytesDown(*content) : std::string("<missing>");
  }
  std::size_t itemCount() { return fs.list(std::string(kFolder) + "\\*.cln").size(); }
  void copy(std::string_view text) {
    clipboard.putText(text);
    capture.onClipboardChanged(" ");
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  FakeClipboard clipboard;
  ScriptedUi ui;
  int closeRequests = 0;
  HistoryItemStore store{fs, clock, ui, kHome, "tester", [this] { ++closeRequests; }};
  ClipboardCapture capture{clipboard, clock, ui, store};
};

TEST_F(CaptureTest, NewTextsBecomeShiftedItemsWithSequenceNumbers) {
  copy("表示ソフト");
  copy("二番目\r\n改行");
  EXPECT_EQ(item(1), "00000000:::tester:::001: :::0:::表示ソフト");
  EXPECT_EQ(item(2), "00000000:::tester:::002: :::0:::二番目\r\n改行");
  clock.advance(1000);
  copy("next second");
  EXPECT_EQ(item(3), "00000000:::tester:::001: :::0:::next second");
  EXPECT_EQ(clipboard.protocolViolations(), 0);
}

TEST_F(CaptureTest, StoredBytesAreShiftedByOne) {
  copy("A:");
  std::optional<std::string> raw = fs.contentOf(std::string(kFolder) + "\\SAVE0001.cln");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->substr(0, 4), "1111");  // "0000" shifted
  EXPECT_EQ(raw->substr(raw->size() - 2), "B;");
}

TEST_F(CaptureTest, RepeatsEmptyAndNonTextStoreNothing) {
  copy("same");
  copy("same");
  clipboard.setNonText();
  capture.onClipboardChanged(" ");
  copy("");
  EXPECT_EQ(itemCount(), 1u);
  copy("other");
  copy("same");
  EXPECT_EQ(itemCount(), 3u);
}

TEST_F(CaptureTest, NothingIsTakenWhileBusyStoppedOrBeforeTheViewIsReady) {
  ui.setWhileShown([this](const MessageBoxRecord&) { copy("during a box"); });
  ui.showMessage("a box", MessageIcon::kInformation);
  capture.setStopped(true);
  copy("stopped");
  capture.setStopped(false);
  capture.setViewReady(false);
  copy("not ready");
  EXPECT_EQ(itemCount(), 0u);
}

TEST_F(CaptureTest, OwnTextIsNotCapturedAgain) {
  capture.rememberOwnText("pasted by us");
  copy("pasted by us");
  EXPECT_EQ(itemCount(), 0u);
}

TEST_F(CaptureTest, LongTextIsCutButItsFullLengthCountsForTheRepeatTest) {
  std::string longText(512000, 'a');
  copy(longText + "b");
  EXPECT_EQ(item(1).size(), std::string("00000000:::tester:::001: :::0:::").size() + 512000);
  copy(longText);  // same first 512000 bytes, other full length: a new text
  EXPECT_EQ(itemCount(), 2u);
}

TEST_F(CaptureTest, FreedNumbersAreReused) {
  copy("one");
  copy("two");
  copy("three");
  fs.remove(std::string(kFolder) + "\\SAVE0002.cln");
  copy("four");
  EXPECT_EQ(item(2), "00000000:::tester:::004: :::0:::four");
}

TEST_F(CaptureTest, CreationTimeIsTheTimeOfTheStore) {
  clock.setLocalNow({2026, 12, 8, 10, 30, 15, 0});
  copy("timed");
  FileResult<FileTimes> times = fs.times(std::string(kFolder) + "\\SAVE0001.cln");
  ASSERT_TRUE(times.ok());
  EXPECT_EQ(times.value->created.hour, 10);
  EXPECT_EQ(times.value->created.minute, 30);
  EXPECT_EQ(times.value->created.second, 15);
}

TEST_F(CaptureTest, WriteFailuresReportAndAskToClose) {
  fs.failNext(FileOperation::kWriteNew, "*SAVE0001.cln", {FileCause::kDiskFull, 112});
  copy("lost?");
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ﾌｧｲﾙの書き込みに失敗しました(m_FileAdd)");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(closeRequests, 1);

  fs.failNext(FileOperation::kSetTimes, "*", {FileCause::kAccessDenied, 5});
  copy("times");
  EXPECT_EQ(ui.boxes().back().text, "ﾌｧｲﾙの属性変更に失敗しました(m_FileAdd)");
  EXPECT_EQ(closeRequests, 2);
}

TEST_F(CaptureTest, UncreatableHistoryFolderStopsTheStart) {
  FakeFileSystem emptyFs{clock};
  emptyFs.failAlways(FileOperation::kCreateFolder, "*", {FileCause::kAccessDenied, 5});
  HistoryItemStore failing{emptyFs, clock, ui, "C:\\none\\", "tester", [this] { ++closeRequests; }};
  EXPECT_EQ(failing.open(), -1);
  EXPECT_EQ(ui.boxes().back().text, "履歴格納用ﾌｫﾙﾀﾞの作成に失敗しました");
}

TEST(ReadClipboardText, RetriesAfterTheDocumentedWaitsThenWarns) {
  FakeClock clock;
  FakeClipboard clipboard;
  ScriptedUi ui;
  clipboard.putText("held");
  clipboard.busyForNextOpens(4);
  EXPECT_EQ(ReadClipboardText(clipboard, clock, ui).text, "held");
  EXPECT_EQ(clock.waits(), (std::vector<int>{300, 500, 600, 700}));
  EXPECT_TRUE(ui.boxes().empty());

  clipboard.busyForNextOpens(5);
  EXPECT_EQ(ReadClipboardText(clipboard, clock, ui).text, "");
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "クリップボードが開けません(5回ﾘﾄﾗｲ)。\n他のアプリケーションが占有している可能性があります。　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kExclamation);
}

TEST(ReadClipboardText, SingleTryGivesUpQuietly) {
  FakeClock clock;
  FakeClipboard clipboard;
  ScriptedUi ui;
  clipboard.putText("x");
  clipboard.busyForNextOpens(1);
  EXPECT_EQ(ReadClipboardText(clipboard, clock, ui, ClipboardTries::kSingle).text, "");
  EXPECT_TRUE(clock.waits().empty());
  EXPECT_TRUE(ui.boxes().empty());
}

}  // namespace
}  // namespace qb
