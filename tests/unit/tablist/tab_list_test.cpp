#include "app/tablist/tab_list.h"

#include <gtest/gtest.h>

#include "app/tablist/import_file.h"
#include "app/tablist/line_split.h"
#include "app/tablist/position.h"
#include "app/tablist/tab_columns.h"
#include "app/tablist/tab_list_family.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

// A list whose value column is sorted; each row is named by its label column.
class SortedList : public CTabList {
 public:
  SortedList() : CTabList(TabKind::kSave) { setDefaultDirection(7, 0); }
  void add(std::string label, std::string value) {
    TabRow row;
    row.columns = {label, value};
    insertRow(rowCount(), row);
  }
  std::string labels() const {
    std::string all;
    for (int i = 0; i < rowCount(); ++i) all += text(i, 0);
    return all;
  }
};

TEST(TabListSorting, ComparesTheFirst149BytesAsUnsignedAndKeepsTheOrderOfEqualOnes) {
  SortedList list;
  std::string head(149, 'x');
  list.add("a", head + "2");
  list.add("b", "\x82\xa0");  // a double-byte character sorts after ASCII
  list.add("c", head + "1");  // equal to "a" on the first 149 bytes
  list.add("d", "A");
  list.sortByCommand(1);
  EXPECT_EQ(list.labels(), "dacb");
  list.sortByCommand(1);  // the same order again reverses it
  EXPECT_EQ(list.labels(), "bacd");
}

TEST(TabListSorting, AnotherColumnResetsTheOtherDirectionsToTheirDefaults) {
  SortedList list;
  list.sortByCommand(1);
  list.sortByCommand(1);
  EXPECT_EQ(list.direction(1), 0);
  list.sortByCommand(7);
  EXPECT_EQ(list.direction(1), 1);
  EXPECT_EQ(list.direction(7), 0);  // the chosen column keeps its own flag
  list.sortAgain();
  EXPECT_EQ(list.direction(7), 0);
}

TEST(TabListSorting, TheSelectionStaysOnItsRow) {
  SortedList list;
  list.add("a", "3");
  list.add("b", "1");
  list.add("c", "2");
  list.select(0);
  list.sortByCommand(1);
  EXPECT_EQ(list.text(list.selectedRow(), 0), "a");
  list.removeRow(0);
  EXPECT_EQ(list.text(list.selectedRow(), 0), "a");
  list.removeRow(list.selectedRow());
  EXPECT_EQ(list.selectedRow(), -1);
}

TEST(TabListHooks, AHookATabDoesNotOverrideChangesNothing) {
  CTabList shared(TabKind::kShared);
  TabRow row;
  row.columns = {"label", "value"};
  shared.insertRow(0, row);
  EXPECT_EQ(shared.copyToShared(0), 0);
  EXPECT_EQ(shared.m_Dell(0), 0);
  EXPECT_EQ(shared.m_FileAdd("new"), 0);
  EXPECT_EQ(shared.rowCount(), 1);
  std::string value = "old";
  EXPECT_EQ(shared.valueForUse(0, value), 0);
  EXPECT_EQ(value, "");
}

TEST(TabColumnsTable, HiddenColumnsKeepTheirIndexesAcrossTabs) {
  CTabList stack(TabKind::kStack);
  CTabList open(TabKind::kOpen);
  EXPECT_EQ(stack.columnCount(), 10);
  EXPECT_EQ(open.columnCount(), 18);
  EXPECT_EQ(open.columnCaptions()[17], "同期フラグ");
  for (TabKind kind : {TabKind::kHistory, TabKind::kSave, TabKind::kShared, TabKind::kPlan,
                       TabKind::kStack}) {
    EXPECT_EQ(TabColumns(kind)[3].caption, "ﾌｧｲﾙ名");
    EXPECT_EQ(TabColumns(kind)[7].caption, "ｻｲｽﾞ");
  }
  EXPECT_EQ(TabButtonId(TabKind::kStack), "IDT7_BTN01");
}

TEST(TabPosition, LooksUpBothWaysAndNamesTheLookupThatFoundNothing) {
  ScriptedUi ui;
  CPosition position(ui);
  position.set({{0, TabKind::kHistory, 0}, {1, TabKind::kSave, 0}, {2, TabKind::kSave, 3}});
  EXPECT_EQ(position.m_GetTabNo(TabKind::kSave), 1);
  EXPECT_EQ(position.m_GetTabNo2(TabKind::kSave, 3), 2);
  EXPECT_EQ(position.m_GetKind(2), 2);
  EXPECT_EQ(position.m_GetKindNo(2), 3);
  EXPECT_TRUE(ui.boxes().empty());

  EXPECT_EQ(position.m_GetTabNo(TabKind::kPlan), -1);
  EXPECT_EQ(position.m_GetTabNo2(TabKind::kSave, 9), -1);
  EXPECT_EQ(position.m_GetKind(7), -1);
  EXPECT_EQ(position.m_GetKindNo(7), -1);
  ASSERT_EQ(ui.boxes().size(), 4u);
  EXPECT_EQ(ui.boxes()[0].text, "該当無し(CPosition::m_GetTabNo)");
  EXPECT_EQ(ui.boxes()[1].text, "該当無し(CPosition::m_GetTabNo2)");
  EXPECT_EQ(ui.boxes()[2].text, "該当無し(CPosition::m_GetKind)");
  EXPECT_EQ(ui.boxes()[3].text, "該当無し(CPosition::m_GetKindNo)");
  EXPECT_EQ(ui.boxes()[3].icon, MessageIcon::kStop);
}

TEST(LineSplit, SkipsEmptyLinesAndStopsAtTheLine5000) {
  EXPECT_EQ(SplitIntoLines("a\r\n\r\nb\nc", LineBreaks::kKeep),
            (std::vector<std::string>{"a\r\n", "b\r\n", "c\r\n"}));
  EXPECT_EQ(SplitIntoLines("a\r\n\r\nb\r\n", LineBreaks::kDrop),
            (std::vector<std::string>{"a", "b"}));
  std::string many;
  for (int i = 1; i <= 5001; ++i) many += (i == 4999 ? "" : "x" + std::to_string(i)) + "\r\n";
  std::vector<std::string> lines = SplitIntoLines(many, LineBreaks::kDrop);
  ASSERT_EQ(lines.size(), 4999u);  // 5000 lines read, one of them empty
  EXPECT_EQ(lines.back(), "x5000");
}

TEST(ImportFile, TakesNamePathOrContentsCutTo512000Bytes) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  fs.putFolder("C:\\in");
  fs.putFile("C:\\in\\big.txt", std::string(512000, 'a') + "tail");
  std::string value;
  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kFileName, "C:\\in\\big.txt", value), 0);
  EXPECT_EQ(value, "big.txt");
  // "予" ends in the byte 0x5C: the name starts after the last backslash that is a character.
  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kFileName, "C:\\in\\予定表.txt", value), 0);
  EXPECT_EQ(value, "予定表.txt");
  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kFileName, "C:\\表\\ソ", value), 0);
  EXPECT_EQ(value, "ソ");
  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kFullPath, "C:\\in\\big.txt", value), 0);
  EXPECT_EQ(value, "C:\\in\\big.txt");
  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kContents, "C:\\in\\big.txt", value), 0);
  EXPECT_EQ(value, std::string(512000, 'a'));
  ExpectUiScriptFinished(ui);

  // A huge file is never read whole (that ended the program when memory ran out), and the cut
  // keeps whole characters.
  fs.putFile("C:\\in\\huge.txt", std::string(511999, 'a') + std::string(2000000, '\x88'));
  fs.clearCalls();
  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kContents, "C:\\in\\huge.txt", value), 0);
  EXPECT_EQ(value, std::string(511999, 'a'));
  ASSERT_EQ(fs.calls().size(), 1u);
  EXPECT_EQ(fs.calls()[0].operation, FileOperation::kReadHead);

  EXPECT_EQ(ImportedValue(fs, ui, ImportKind::kContents, "C:\\in\\gone.txt", value), -1);
  EXPECT_EQ(value, "");
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text.rfind("ﾌｧｲﾙの読み込みに失敗しました(m_ImportFile)\nエラー詳細：", 0), 0u);
}

}  // namespace
}  // namespace qb
