// The standard plans run through the engine on samples: each gives the text its name promises.
// The plans are run on a caller's text (as "プラン呼び出し" runs them), so they do not copy from
// the working window; the block that hands the result on (the paste, the browser) is taken out
// and the text it would receive is checked.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/records.h"
#include "planlib/engine/plan_tags.h"
#include "tests/unit/plandata/standard_plan_sets.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

std::map<std::string, std::string> PlanTexts() {
  std::map<std::string, std::string> texts;
  for (auto get : {&m_GetPlanDataRireki, &m_GetPlanDataHotKey, &m_GetPlanDataHotKey2}) {
    for (const std::string& record : test::RecordsOf(get)) {
      std::vector<std::string> fields = SplitFields(record, 6);
      texts[fields[0]] = fields[5];
    }
  }
  return texts;
}

// The plan text without its top-level blocks of `tag`.
std::string Without(std::string text, std::string_view tag) {
  const std::string open = OpenTag(tag);
  const std::string close = CloseTag(tag);
  for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
    text.erase(at, text.find(close, at) + close.size() - at);
  }
  return text;
}

class StandardPlanRunTest : public ::testing::Test {
 protected:
  // The text the plan would paste into the working window.
  std::string Pasted(std::string_view name, std::string_view input) {
    return RunWithout(name, "ACTWIN_PASTE", input);
  }
  // The address the plan would open in the browser.
  std::string Opened(std::string_view name, std::string_view input) {
    return RunWithout(name, "WEB_STARTING", input);
  }

 private:
  std::string RunWithout(std::string_view name, std::string_view tag, std::string_view input) {
    auto found = texts_.find(std::string(name));
    EXPECT_NE(found, texts_.end()) << name;
    if (found == texts_.end()) return {};
    test::PlanHarness harness;
    test::PlanRun run = harness.run(Without(found->second, tag), input);
    EXPECT_EQ(run.result, 0) << name;
    EXPECT_TRUE(run.messages.empty()) << name << ": " << (run.messages.empty() ? "" : run.messages[0]);
    return run.text;
  }

  std::map<std::string, std::string> texts_ = PlanTexts();
};

TEST_F(StandardPlanRunTest, PlanCallPlansTransformTheCallersText) {
  EXPECT_EQ(Pasted("括弧「」括り", "ABC"), "「ABC」");
  EXPECT_EQ(Pasted("空白・タブ・改行の削除", " a b\r\n\tc　d "), "abcd");
  EXPECT_EQ(Pasted("同一行の削除", "a\r\nb\r\na\r\nc\r\nb\r\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Pasted("行並び替え（降順）", "b\r\na\r\nc\r\n"), "c\r\nb\r\na\r\n");
  EXPECT_EQ(Pasted("行並び替え（昇順）", "b\r\na\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(Pasted("全角カナ→半角ｶﾅ", "ガイド・ブック"), "ｶﾞｲﾄﾞ・ﾌﾞｯｸ");
  EXPECT_EQ(Pasted("半角ｶﾅ→全角カナ", "ｶﾞｲﾄﾞﾌﾞｯｸ"), "ガイドブック");
  EXPECT_EQ(Pasted("引用符付け", "ABC"), "> ABC");
  EXPECT_EQ(Pasted("引用符付け", "一行目\r\n二行目\r\n"), "> 一行目\r\n> 二行目\r\n");
}

TEST_F(StandardPlanRunTest, LinePlansWorkOnEveryLine) {
  EXPECT_EQ(Pasted("行毎に先頭の空白とタブを削除", "  a\r\n\t　b c\r\nd"), "a\r\nb c\r\nd");
  EXPECT_EQ(Pasted("引用符の付加", "a\r\nb"), "> a\r\n> b");
  // One quote mark per line goes; a line without one stays.
  EXPECT_EQ(Pasted("引用符の除去", "> a\r\n>b\r\n＞c\r\n> > d\r\ne"), "a\r\nb\r\nc\r\n> d\r\ne");
}

TEST_F(StandardPlanRunTest, WidthPlansConvertEveryKindOfCharacter) {
  EXPECT_EQ(Pasted("半角変換", "ＡＢＣ　ａｂｃ１２３！？カタカナ"), "ABC abc123!?ｶﾀｶﾅ");
  EXPECT_EQ(Pasted("全角変換", "ABC abc123!?ｶﾞｲﾄﾞ"), "ＡＢＣ　ａｂｃ１２３！？ガイド");
  // Characters without a counterpart stay as they are.
  EXPECT_EQ(Pasted("半角変換", "漢字ABC"), "漢字ABC");
}

TEST_F(StandardPlanRunTest, SearchPlansBuildAnEncodedAddress) {
  EXPECT_EQ(Opened("Web検索（Google）", "  C++ & 日本\r\n語 "),
            "https://www.google.co.jp/search?q=C%2B%2B+%26+日本+語");
  EXPECT_EQ(Opened("Web検索（Yahoo）", "100% #1=a"),
            "https://search.yahoo.co.jp/search?p=100%25+%231%3Da");
  EXPECT_EQ(Opened("Web検索（goo）", "quill"), "https://search.goo.ne.jp/web.jsp?IE=UTF-8&MT=quill");
  EXPECT_EQ(Opened("文字列検索のブラウザ表示", "a b"), "https://www.google.co.jp/search?q=a+b");
  EXPECT_EQ(Opened("Web英和辞典検索（goo）", "look up/over"),
            "https://dictionary.goo.ne.jp/srch/ej/look%20up%2Fover/m0u/");
  EXPECT_EQ(Opened("Web和英辞典検索（goo）", "辞書"), "https://dictionary.goo.ne.jp/srch/je/辞書/m0u/");
  EXPECT_EQ(Opened("Web国語辞典検索（goo）", "辞書"), "https://dictionary.goo.ne.jp/srch/jn/辞書/m0u/");
  EXPECT_EQ(Opened("WebIT用語辞典（e-Words）", "TCP/IP"), "https://e-words.jp/w/TCP%2FIP.html");
}

TEST_F(StandardPlanRunTest, AddressPlanCorrectsTheSelectedAddress) {
  const char* name = "選択したアドレスでWeb表示（補正処理付き）";
  EXPECT_EQ(Opened(name, "ｈｔｔｐ：／／ｅｘａｍｐｌｅ．ｃｏｍ／"), "http://example.com/");
  EXPECT_EQ(Opened(name, " ttp://example.com/a\r\nb "), "http://example.com/ab");
  EXPECT_EQ(Opened(name, "tps://example.com"), "https://example.com");
  EXPECT_EQ(Opened(name, "www.example.com"), "http://www.example.com");
  EXPECT_EQ(Opened(name, "https://example.com"), "https://example.com");
  EXPECT_EQ(Opened(name, "ftp://example.com"), "ftp://example.com");
}

}  // namespace
}  // namespace qb
