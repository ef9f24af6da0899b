#include "macros/macro_analyzer.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_clock.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

class MacroAnalyzerTest : public ::testing::Test {
 protected:
  std::string expand(std::string_view body, const DateTime& time, int base = 1989) {
    MacroAnalyzer dated(ui, clock, MacroSettings{base});
    std::string text;
    EXPECT_EQ(dated.m_Sysdate(std::string(kSysdateOpen) + std::string(body) + kSysdateClose, time,
                              text),
              0);
    return text;
  }
  int analyze(std::string_view text, AnalyzeMode mode = AnalyzeMode::kMacrosOnly) {
    return analyzer.m_Analyze(text, expanded, table, version, mode);
  }

  FakeClock clock{DateTime{2026, 3, 4, 15, 7, 9, 0}};
  ScriptedUi ui;
  MacroAnalyzer analyzer{ui, clock};
  std::string expanded;
  std::string version;
  MacroElementTable table;
};

TEST_F(MacroAnalyzerTest, PlainTextPassesUnchanged) {
  EXPECT_EQ(analyze("abc 漢字 <@ not a macro"), 0);
  EXPECT_EQ(expanded, "abc 漢字 <@ not a macro");
  EXPECT_EQ(version, "V2.00");
  EXPECT_EQ(table.count, 0);
  ExpectUiScriptFinished(ui);
}

TEST_F(MacroAnalyzerTest, BlocksAreExpandedAndRecordedWithTheirOffsets) {
  EXPECT_EQ(analyze("日付<@@SYSDATE><@YY2/>/<@MM10/><@@/SYSDATE>と<@@ACTIONIN><@IN02/><@@/ACTIONIN>"
                    "<@@KEYIN><@TAB01/>200<@@/KEYIN><@@OTHER>abc<@@/OTHER>"),
            kMacroFlagDate | kMacroFlagInput | kMacroFlagKey);
  EXPECT_EQ(expanded, "日付2026/03と【入力2】【Tab：200】");
  EXPECT_EQ(version, "V2.40");
  ASSERT_EQ(table.count, 4);  // mode 0: macro blocks only, the unknown one included
  EXPECT_EQ(table.blockName[0], "<@@SYSDATE>");
  EXPECT_EQ(table.start[0], 4);
  EXPECT_EQ(table.end[0], 11);
  EXPECT_EQ(table.display[1], "【入力2】");
  EXPECT_EQ(table.source[2], "<@@KEYIN><@TAB01/>200<@@/KEYIN>");
  EXPECT_EQ(table.display[3], "");
  EXPECT_EQ(ApplyMacroTable(expanded, table),
            "日付<@@SYSDATE><@YY2/>/<@MM10/><@@/SYSDATE>と<@@ACTIONIN><@IN02/><@@/ACTIONIN>"
            "<@@KEYIN><@TAB01/>200<@@/KEYIN><@@OTHER>abc<@@/OTHER>");
}

TEST_F(MacroAnalyzerTest, ModeOneRecordsFixedTextToo) {
  EXPECT_EQ(analyze("a<@@SYSDATE><@@/SYSDATE>b", AnalyzeMode::kEverySegment), kMacroFlagDate);
  EXPECT_EQ(expanded, "ab");
  EXPECT_EQ(version, "V2.40");
  ASSERT_EQ(table.count, 3);
  EXPECT_EQ(table.blockName[0], "");
  EXPECT_EQ(table.start[2], 1);
}

TEST_F(MacroAnalyzerTest, BrokenBlocksFail) {
  EXPECT_EQ(analyze("<@@SYSDATE><@YY2/"), -1);  // no closing tag: no message
  EXPECT_TRUE(ui.boxes().empty());
  EXPECT_EQ(analyze("x<@@SYSDATE"), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "マクロ不整合(m_Analyze)");
  std::string text;
  EXPECT_EQ(analyzer.m_Sysdate("<@@SYSDATE><@YY2/<@@/SYSDATE>", clock.localNow(), text), -1);
  EXPECT_EQ(ui.boxes().back().text, "マクロ不整合(m_Sysdate)");
  EXPECT_EQ(analyzer.m_Sysdate("<@YY2/>", clock.localNow(), text), -1);
  EXPECT_EQ(ui.boxes().back().text, "日時マクロタグが存在しない(m_Sysdate)");
  EXPECT_EQ(ui.boxes().back().icon, MessageIcon::kStop);
}

TEST_F(MacroAnalyzerTest, AHundredMacrosAreRecordedAndOneMoreIsRefused) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "<@@SYSDATE><@DD1/><@@/SYSDATE>,";
  EXPECT_EQ(analyze(text), kMacroFlagDate);
  EXPECT_EQ(table.count, 100);
  EXPECT_EQ(analyze(text + "<@@SYSDATE><@DD1/><@@/SYSDATE>"), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "埋め込みマクロの最大数をオーバーしています");
}

TEST_F(MacroAnalyzerTest, ExactlyTwoHundredOneSegmentsAreAcceptedAndMoreOverflow) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "x<@@KEYIN><@TAB01/>1<@@/KEYIN>";
  EXPECT_EQ(analyze(text + "y", AnalyzeMode::kEverySegment), kMacroFlagKey);
  EXPECT_EQ(table.count, 201);
  EXPECT_EQ(analyze(text + "<@@KEYIN><@TAB01/>1<@@/KEYIN>", AnalyzeMode::kEverySegment), kMacroFlagKey);
  EXPECT_EQ(analyze(text + "y<@@KEYIN><@TAB01/>1<@@/KEYIN>", AnalyzeMode::kEverySegment), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "配列オーバー(m_Analyze)");
}

TEST_F(MacroAnalyzerTest, DateElementsAtFixedTimes) {
  const DateTime midnight{2026, 3, 4, 0, 5, 7, 0};
  EXPECT_EQ(expand("<@hh1/>|<@hh2/>|<@hh10/>|<@hh20/>|<@AMPM1/>|<@AMPM2/>", midnight),
            "0|12|00|12|AM|午前");
  const DateTime noon{2026, 3, 4, 12, 0, 0, 0};
  EXPECT_EQ(expand("<@hh1/>|<@hh2/>|<@AMPM1/>|<@AMPM2/>|<@ＡＭＰＭ１/>", noon), "12|12|PM|午後|ＰＭ");
  const DateTime wednesday{2005, 3, 2, 9, 5, 7, 0};
  EXPECT_EQ(expand("<@YY1/>|<@YY10/>|<@YY2/>|<@MM1/>|<@MM2/>|<@MM3/>|<@DD1/>|<@DD10/>", wednesday),
            "5|05|2005|3|March|Mar|2|02");
  EXPECT_EQ(expand("<@mm1/>:<@mm10/>:<@ss1/>:<@ss10/>", wednesday), "5:05:7:07");
  EXPECT_EQ(expand("<@YOBI1/>|<@YOBI2/>|<@YOBI3/>|<@YOBI4/>", wednesday),
            "水|水曜日|Wednesday|Wed");
  EXPECT_EQ(expand("(<@XX1/>)", wednesday), "()");
}

TEST_F(MacroAnalyzerTest, EraYearCountsFromTheBaseYear) {
  const DateTime first{1989, 6, 1, 10, 0, 0, 0};
  EXPECT_EQ(expand("<@YY3/>|<@YY4/>|<@YY30/>|<@YY40/>|<@ＹＹ４/>|<@ＹＹ３０/>", first),
            "1|元|01|元|元|０１");
  const DateTime later{2026, 6, 1, 10, 0, 0, 0};
  EXPECT_EQ(expand("<@YY3/>|<@YY40/>|<@ＹＹ３/>", later), "38|38|３８");
  EXPECT_EQ(expand("<@YY3/>|<@YY4/>|<@YY30/>|<@ＹＹ４０/>", later, 2030), "ER|ER|ER|ER");
  EXPECT_EQ(expand("<@YY4/>", later, 2019), "8");
}

TEST_F(MacroAnalyzerTest, FullWidthElementsUseFullWidthDigits) {
  const DateTime time{2026, 3, 4, 15, 7, 9, 0};
  EXPECT_EQ(expand("<@ＹＹ２０/>|<@ＹＹ１/>|<@ＭＭ１０/>|<@ＤＤ１/>|<@ｈｈ２０/>|<@ｍｍ１０/>|<@ｓｓ１/>", time),
            "２０２６|２６|０３|４|０３|０７|９");
}

TEST_F(MacroAnalyzerTest, AnalyzeSysdateRecordsEveryPart) {
  std::string display;
  ASSERT_EQ(analyzer.m_AnalyzeSysdate("<@@SYSDATE><@YY2/>年<@MM1/>月<@@/SYSDATE>", display, table), 0);
  EXPECT_EQ(display, "2026年3月");
  ASSERT_EQ(table.count, 2);
  EXPECT_EQ(table.start[1], 6);
  EXPECT_EQ(table.end[1], 7);
  EXPECT_EQ(ApplyMacroTable(display, table), "<@YY2/>年<@MM1/>月");
  std::string many = "<@@SYSDATE>";
  for (int i = 0; i < 101; ++i) many += "<@DD1/>";
  EXPECT_EQ(analyzer.m_AnalyzeSysdate(many + "<@@/SYSDATE>", display, table), -1);
  EXPECT_EQ(ui.boxes().back().text, "配列オーバー(m_AnalyzeSysdate_2)");
}

TEST_F(MacroAnalyzerTest, InputAndKeyDisplayForms) {
  std::string display;
  EXPECT_EQ(analyzer.m_ActionIn("<@@ACTIONIN><@IN05/><@@/ACTIONIN>", display), 0);
  EXPECT_EQ(display, "【入力5】");
  EXPECT_EQ(analyzer.m_ActionIn("<@@ACTIONIN><@IN06/><@@/ACTIONIN>", display), -1);
  EXPECT_EQ(ui.boxes().back().text, "マクロ不整合(m_ActionIn)");
  EXPECT_EQ(analyzer.m_KeyDispChang("<@@KEYIN><@ENTER01/>400<@@/KEYIN>", display), 0);
  EXPECT_EQ(display, "【Enter：400】");
  EXPECT_EQ(analyzer.m_KeyDispChang("<@@KEYIN><@ESC01/>1<@@/KEYIN>", display), 0);
  EXPECT_EQ(display, "<@@KEYIN><@ESC01/>1<@@/KEYIN>");
  EXPECT_EQ(analyzer.m_KeyDispChang("<@@KEYIN>", display), -1);
  EXPECT_EQ(ui.boxes().back().text, "キーマクロタグが存在しない(m_KeyDispChang)");
}

}  // namespace
}  // namespace qb
