#include "app/tablist/row_filter.h"

#include <gtest/gtest.h>

#include <map>

#include "app/tablist/search_fold.h"

namespace qb {
namespace {

// A Save-like list whose whole values live outside the rows, as item files do; it counts the
// reads so that a test can see which values were read again.
class ValueList : public CTabList {
 public:
  ValueList() : CTabList(TabKind::kSave) {}
  void add(std::string label, std::string value) {
    TabRow row;
    row.columns = {label, value.substr(0, 8), "", "F" + std::to_string(files_++)};
    values_[row.columns[3]] = std::move(value);
    insertRow(rowCount(), row);
  }
  int getValue(int row, std::string& value) override {
    ++reads;
    value = values_[text(row, 3)];
    return 0;
  }
  int reads = 0;

 private:
  std::map<std::string, std::string> values_;
  int files_ = 0;
};

bool Matches(std::string_view text, std::string_view query) {
  const std::u16string folded = FoldForSearch(text);
  for (const std::u16string& word : FoldedQueryWords(query)) {
    if (folded.find(word) == std::u16string::npos) return false;
  }
  return true;
}

TEST(SearchFoldTest, TreatsCaseWidthAndKanaFormsAsTheSame) {
  EXPECT_TRUE(Matches("Invoice ABC", "invoice abc"));
  EXPECT_TRUE(Matches("ＩＮＶＯＩＣＥ　２０２６", "invoice 2026"));
  EXPECT_TRUE(Matches("invoice", "ＩＮＶ"));
  EXPECT_TRUE(Matches("ｶﾞｲﾄﾞ", "ガイド"));
  EXPECT_TRUE(Matches("がいど", "ｶﾞｲﾄﾞ"));
  EXPECT_TRUE(Matches("ﾊﾟﾝ ﾍﾞｰｺﾝ", "ぱん"));
  EXPECT_TRUE(Matches("ｳﾞｧｲｵﾘﾝ", "ヴァイオリン"));
  EXPECT_TRUE(Matches("ﾑｼ", "むし"));  // む and ム sit after the gap at 0x837F
  EXPECT_FALSE(Matches("ハン", "ﾊﾟ"));
  EXPECT_FALSE(Matches("ガイド", "カイド"));
}

TEST(SearchFoldTest, NeverMatchesFromTheSecondByteOfACharacter) {
  // "ア" is 0x83 0x41 and "ソ" is 0x83 0x5C: their trail bytes are "A" and "\".
  EXPECT_FALSE(Matches("ア", "A"));
  EXPECT_FALSE(Matches("ソ", "\\"));
  EXPECT_TRUE(Matches("ソ\\", "\\"));
}

TEST(SearchFoldTest, EveryWordMustOccurInAnyOrder) {
  EXPECT_TRUE(Matches("請求書の送付先", "請求 送付"));
  EXPECT_TRUE(Matches("請求書の送付先", "送付　請求"));  // full-width space separates too
  EXPECT_FALSE(Matches("請求書の宛先", "請求 送付"));
  EXPECT_TRUE(FoldedQueryWords("  　 ").empty());
}

TEST(RowFilterTest, ShowsMatchingRowsInListOrderAndMapsBothWays) {
  ValueList list;
  list.add("挨拶", "おはようございます");
  list.add("住所", "東京都千代田区");
  list.add("", "ご挨拶申し上げます");
  RowFilter filter;
  filter.update(list);
  EXPECT_FALSE(filter.active());
  EXPECT_EQ(filter.listRow(2), 2);  // no filter: every row as it is

  filter.setQuery("挨拶");
  filter.update(list);
  ASSERT_EQ(filter.shownCount(), 2);  // the label of row 0, the value of row 2
  EXPECT_EQ(filter.listRow(0), 0);
  EXPECT_EQ(filter.listRow(1), 2);
  EXPECT_EQ(filter.listRow(2), -1);
  EXPECT_EQ(filter.shownRow(2), 1);
  EXPECT_EQ(filter.shownRow(1), -1);
}

TEST(RowFilterTest, MatchesTheWholeValueBeyondThePreview) {
  ValueList list;
  list.add("", std::string(300, 'x') + "請求書の送付先");
  RowFilter filter;
  filter.setQuery("送付");
  filter.update(list);
  EXPECT_EQ(filter.shownCount(), 1);
}

TEST(RowFilterTest, ReadsValuesAgainOnlyForRowsThatChanged) {
  ValueList list;
  for (int i = 0; i < 50; ++i) list.add("L" + std::to_string(i), "value " + std::to_string(i));
  RowFilter filter;
  filter.setQuery("value");
  filter.update(list);
  EXPECT_EQ(list.reads, 50);
  filter.setQuery("value 4");  // a keystroke: no value is read again
  filter.update(list);
  EXPECT_EQ(list.reads, 50);
  EXPECT_EQ(filter.shownCount(), 14);  // 4, 14, 24, 34, 40-49

  list.removeRow(0);  // a change of the list: the shown rows follow it
  list.add("new", "value 4 again");
  filter.update(list);
  EXPECT_EQ(list.reads, 51);
  EXPECT_EQ(filter.shownCount(), 15);
  EXPECT_EQ(filter.listRow(0), 3);  // "value 4" moved up by one
}

}  // namespace
}  // namespace qb
