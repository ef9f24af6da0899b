// Texts that code page 932 cannot hold: the item file keeps their code-page-932 form as before,
// the companion beside it their exact form, through every store operation.
#include <gtest/gtest.h>

#include "app/tablist/tab_columns.h"
#include "base/utf8.h"
#include "history/exact_companion.h"
#include "history/history_list.h"
#include "tests/unit/history/history_fixture.h"

namespace qb {
namespace {

namespace col = history_column;

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// Texts code page 932 cannot hold, in UTF-8 (named: a u8 literal inside a test macro would be
// turned into a Shift-JIS message text).
const std::string kGrin = U8(u8"😀");
const std::string kHan = U8(u8"한");
const std::string kCafe = U8(u8"café");
const std::string kYoshinoya = U8(u8"𠮷野家");
const std::string kHangul = U8(u8"안녕하세요 세계");
const std::string kEAcute = U8(u8"é");
const std::string kCafeGrave = U8(u8"cafè");
const std::string kDotted = U8(u8"a・・b・");

std::string CompanionPath(int number) { return CompanionPathOf(HistoryPath(number)); }

// A text and its code-page-932 form, as the clipboard adapter gives them.
struct Sample {
  std::string sjis;
  std::string exact;
};

// A mixed text of exactly 512000 UTF-8 bytes, with its code-page-932 form.
Sample LargeMixedSample() {
  const Sample pieces[] = {{"abc ", U8(u8"abc ")},     {"野家", U8(u8"野家")},
                           {"??", kGrin},          {"?", kHan},
                           {"caf?\r\n", U8(u8"café\r\n")}, {"??", U8(u8"𠮷")}};
  Sample sample;
  for (std::size_t i = 0;; ++i) {
    const Sample& piece = pieces[i % std::size(pieces)];
    if (sample.exact.size() + piece.exact.size() > kMaxValueBytes) break;
    sample.sjis += piece.sjis;
    sample.exact += piece.exact;
  }
  const std::size_t pad = kMaxValueBytes - sample.exact.size();
  sample.sjis.append(pad, 'x');
  sample.exact.append(pad, 'x');
  return sample;
}

class ExactTextTest : public ::testing::Test, public HistoryWorld {
 protected:
  void SetUp() override { list = load(5); }
  std::unique_ptr<CHistoryList> load(int maximum) {
    auto loaded = makeList();
    EXPECT_EQ(loaded->load(maximum), 0);
    return loaded;
  }
  std::string exactOf(CHistoryList& of, int row) {
    std::string exact;
    EXPECT_EQ(of.exactValue(row, exact), 0);
    return exact;
  }
  int rowOfFile(CHistoryList& of, int number) {
    for (int row = 0; row < of.rowCount(); ++row) {
      if (of.text(row, col::kFileName) == HistoryPath(number).substr(sizeof kClipsave)) return row;
    }
    return -1;
  }
  std::size_t companionCount() { return fs.list(std::string(kClipsave) + "\\*.utf").size(); }
  bool hasCompanion(int number) { return fs.contentOf(CompanionPath(number)).has_value(); }

  std::unique_ptr<CHistoryList> list;
};

TEST_F(ExactTextTest, TextsBeyondCodePage932ComeBackExactAfterARestart) {
  const Sample samples[] = {{"caf?", kCafe},
                            {"??", kGrin},
                            {"??野家", kYoshinoya},
                            {"????? ??", kHangul},
                            LargeMixedSample()};
  for (const Sample& sample : samples) {
    ASSERT_EQ(list->addItem(sample.sjis, " ", sample.exact), 0);
    EXPECT_EQ(exactOf(*list, 0), sample.exact);
    EXPECT_EQ(list->row(0).exactShown, MakeUtf8Preview(sample.exact));
  }
  // The item files hold the code-page-932 forms exactly as an item without companion would.
  EXPECT_EQ(item(1), "00000000:::tester:::001: :::0:::caf?");
  EXPECT_EQ(item(3), "00000000:::tester:::003: :::0:::??野家");
  EXPECT_EQ(companionCount(), 5u);

  auto again = load(5);
  ASSERT_EQ(again->rowCount(), 5);
  for (int number = 1; number <= 5; ++number) {
    const int row = rowOfFile(*again, number);
    ASSERT_GE(row, 0);
    EXPECT_EQ(exactOf(*again, row), samples[number - 1].exact) << number;
    std::string value;
    ASSERT_EQ(again->getValue(row, value), 0);
    EXPECT_EQ(value, samples[number - 1].sjis);
  }
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(ExactTextTest, ATextCodePage932HoldsWritesNoCompanion) {
  ASSERT_EQ(list->addItem("野家 abc", "メモ帳"), 0);
  ASSERT_EQ(list->addItem("plain", " ", "plain"), 0);  // an exact form equal to the value
  ASSERT_EQ(list->addItem("x", " ", "\xC3"), 0);       // not UTF-8: never kept
  EXPECT_EQ(fs.contentOf(HistoryPath(1)), ShiftBytesUp("00000000:::tester:::001:メモ帳:::0:::野家 abc"));
  EXPECT_EQ(companionCount(), 0u);
  EXPECT_TRUE(list->row(0).exactShown.empty());
  EXPECT_EQ(exactOf(*list, 1), "");
}

TEST_F(ExactTextTest, ALongerTextCutTo512000BytesKeepsNoExactForm) {
  ASSERT_EQ(list->addItem(std::string(kMaxValueBytes + 1, 'a'), " ",
                          std::string(kMaxValueBytes, 'a') + kEAcute),
            0);
  EXPECT_EQ(companionCount(), 0u);
}

TEST_F(ExactTextTest, TheCompanionFollowsUseCountMoveToTopAndDeletion) {
  settings.RirekiTopMove = 2;
  ASSERT_EQ(list->addItem("caf?", " ", kCafe), 0);
  ASSERT_EQ(list->addItem("two", " "), 0);
  ASSERT_EQ(list->afterValueUsed(1, false), 0);  // the count rewritten, moved to the top
  EXPECT_EQ(list->text(0, col::kCount), "00000001");
  EXPECT_EQ(exactOf(*list, 0), kCafe);
  auto again = load(5);
  EXPECT_EQ(exactOf(*again, rowOfFile(*again, 1)), kCafe);

  ASSERT_EQ(list->m_Dell(0), 0);
  EXPECT_FALSE(hasCompanion(1));
  EXPECT_EQ(fileCount(), 1u);
}

TEST_F(ExactTextTest, AtTheMaximumTheReplacedItemsCompanionGoesOrIsReplaced) {
  list = load(2);
  ASSERT_EQ(list->addItem("caf?", " ", kCafe), 0);  // SAVE0001
  clock.advance(1000);
  ASSERT_EQ(list->addItem("??", " ", kGrin), 0);  // SAVE0002
  clock.advance(1000);
  ASSERT_EQ(list->addItem("plain", " "), 0);  // replaces SAVE0001
  EXPECT_FALSE(hasCompanion(1));
  clock.advance(1000);
  ASSERT_EQ(list->addItem("?", " ", kHan), 0);  // replaces SAVE0002
  EXPECT_EQ(companionCount(), 1u);
  auto again = load(2);
  EXPECT_EQ(exactOf(*again, rowOfFile(*again, 2)), kHan);
  EXPECT_EQ(exactOf(*again, rowOfFile(*again, 1)), "");
}

TEST_F(ExactTextTest, DeleteAllAndTheExitRulesLeaveNoCompanion) {
  ASSERT_EQ(list->addItem("caf?", " ", kCafe), 0);
  ASSERT_EQ(list->addItem("??", " ", kGrin), 0);
  std::int32_t stored = 5;
  ASSERT_EQ(list->trimAtExit(5, stored, /*autoSave=*/false), 0);
  EXPECT_EQ(fileCount(), 0u);
  EXPECT_EQ(companionCount(), 0u);
}

TEST_F(ExactTextTest, DuplicatesAreTextsWhoseExactFormsAreEqual) {
  settings.RirekiDuplicate = 1;
  ASSERT_EQ(list->addItem("caf?", " ", kCafe), 0);
  ASSERT_EQ(list->removeDuplicates("caf?", 4), 0);
  ASSERT_EQ(list->addItem("caf?", " ", kCafeGrave), 0);  // the same code-page-932 form
  ASSERT_EQ(list->removeDuplicates("caf?", 4), 0);
  ASSERT_EQ(list->addItem("caf?", " "), 0);  // a real "caf?"
  ASSERT_EQ(list->removeDuplicates("caf?", 4), 0);
  EXPECT_EQ(list->rowCount(), 3);
  ASSERT_EQ(list->addItem("caf?", " ", kCafe), 0);
  ASSERT_EQ(list->removeDuplicates("caf?", 4), 0);
  ASSERT_EQ(list->rowCount(), 3);
  EXPECT_EQ(exactOf(*list, 0), kCafe);
  EXPECT_EQ(exactOf(*list, 1), "");
  EXPECT_EQ(exactOf(*list, 2), kCafeGrave);
  EXPECT_EQ(companionCount(), 2u);
}

TEST_F(ExactTextTest, AFailedCompanionWriteLeavesTheItemAsWithoutOne) {
  fs.failNext(FileOperation::kWriteAtomically, "*.utf", FakeFileError::kAccessDenied);
  ASSERT_EQ(list->addItem("caf?", " ", kCafe), 0);
  EXPECT_EQ(item(1), "00000000:::tester:::001: :::0:::caf?");
  EXPECT_EQ(companionCount(), 0u);
  EXPECT_TRUE(list->row(0).exactShown.empty());
  EXPECT_TRUE(ui.boxes().empty());
  EXPECT_EQ(closeRequests, 0);

  // A failed item write writes no companion.
  fs.failNext(FileOperation::kWriteAtomically, "*.cln", FakeFileError::kAccessDenied);
  EXPECT_EQ(list->addItem("??", " ", kGrin), -1);
  EXPECT_EQ(companionCount(), 0u);
  EXPECT_EQ(closeRequests, 1);
}

TEST_F(ExactTextTest, TheLoadRemovesOrphansAndFallsBackFromCompanionsThatDoNotFit) {
  putItem(1, "00000000:::tester:::001: :::0:::caf?");
  putItem(2, "00000000:::tester:::001: :::0:::rewritten by an older copy");
  putItem(3, "00000000:::tester:::001: :::0:::??");
  putItem(4, "00000000:::tester:::001: :::0:::?");
  putItem(5, "00000000:::someone:::001: :::0:::?");
  fs.putFile(CompanionPath(1), BuildExactCompanion("caf?", kCafe));
  fs.putFile(CompanionPath(2), BuildExactCompanion("caf?", kCafe));
  fs.putFile(CompanionPath(3), BuildExactCompanion("??", "\xF0\x9F\x98"));  // cut inside 😀
  fs.putFile(CompanionPath(4), BuildExactCompanion("?", std::string(kMaxExactBytes + 1, 'a')));
  fs.putFile(CompanionPath(5), BuildExactCompanion("?", kHan));
  fs.putFile(CompanionPath(9), BuildExactCompanion("x", kEAcute));  // no item
  auto loaded = load(5);
  ASSERT_EQ(loaded->rowCount(), 4);
  EXPECT_EQ(exactOf(*loaded, rowOfFile(*loaded, 1)), kCafe);
  for (int number : {2, 3, 4}) {
    const int row = rowOfFile(*loaded, number);
    EXPECT_TRUE(loaded->row(row).exactShown.empty()) << number;
    EXPECT_EQ(exactOf(*loaded, row), "") << number;
    EXPECT_FALSE(hasCompanion(number)) << number;
  }
  EXPECT_FALSE(hasCompanion(5));  // went with its foreign item
  EXPECT_FALSE(hasCompanion(9));
  EXPECT_TRUE(ui.boxes().empty());
}

TEST(Utf8Text, WellFormedPreviewAndCut) {
  const std::string all = kCafe + kGrin + kYoshinoya + kHan;
  EXPECT_TRUE(IsWellFormedUtf8(all));
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                          "\xF0\x9F\x98", "\x80"}) {
    EXPECT_FALSE(IsWellFormedUtf8(bad)) << bad;
  }
  EXPECT_FALSE(IsWellFormedUtf8(std::string_view("a\0b", 3)));
  // 75 two-unit characters fill the 150 units of a preview.
  std::string wide;
  for (int i = 0; i < 76; ++i) wide += kGrin;
  EXPECT_EQ(MakeUtf8Preview(wide), wide.substr(0, 75 * 4) + "...");
  EXPECT_EQ(MakeUtf8Preview(wide.substr(0, 75 * 4)), wide.substr(0, 75 * 4));
  EXPECT_EQ(ShowUtf8BreaksAndTabs("a\r\nb\t"), kDotted);
  const std::string aGrin = "a" + kGrin;
  EXPECT_EQ(WholeUtf8Prefix(aGrin, 4), "a");
  EXPECT_EQ(CompanionPathOf("C:\\x\\SAVE0001.cln"), "C:\\x\\SAVE0001.utf");
  // The format other builds of the program read: header line, then the text.
  EXPECT_EQ(BuildExactCompanion("caf?", kCafe), "QBEXACT1 4 b538a790e858d786\r\n" + kCafe);
}

}  // namespace
}  // namespace qb
