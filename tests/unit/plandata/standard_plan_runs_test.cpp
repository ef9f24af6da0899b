// The standard plans run through the engine with every port a run has: a working window whose
// selection Ctrl+C copies, the clipboard, the keyboard (what Ctrl+V pastes), the shell, the files
// of the plan data-home folder and the run-time windows. Each does what its name promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "base/records.h"
#include "tests/unit/plandata/standard_plan_sets.h"
#include "tests/unit/planlib/io_test_support.h"

namespace qb {
namespace {

constexpr char kDataHome[] = "C:\\Tools\\PlanDataHome";

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

const std::map<std::string, std::string>& AllPlans() {
  static const std::map<std::string, std::string> plans = PlanTexts();
  return plans;
}

std::string InHome(const std::string& name) { return std::string(kDataHome) + "\\" + name; }

class StandardPlanRunTest : public ::testing::Test {
 protected:
  StandardPlanRunTest() {
    h.settings.dataHome = kDataHome;
    h.files.putFolder(kDataHome);
    // The working window: brought to the front, it copies its selection when Ctrl+C comes.
    h.host.onCommand = [this](const std::string& command) {
      if (command == "0927Plan_HotKeyStart") hotkeysBackAt_.push_back(h.clock.milliseconds());
      if (command != "0927Plan_ActWin" || selectionCopied_) return;
      selectionCopied_ = true;
      h.clock.schedule(80, [this] { h.clipboard.putText(selection_); });
    };
  }

  // Runs the plan with `selection` selected in the working window and `input` as the text the
  // plan was called with. The result code.
  int run(const std::string& name, const std::string& selection, const std::string& input = "") {
    auto found = AllPlans().find(name);
    EXPECT_NE(found, AllPlans().end()) << name;
    if (found == AllPlans().end()) return -2;
    selection_ = selection;
    selectionCopied_ = false;
    return h.run(found->second, input).result;
  }
  void choose(int button) {
    h.dialogs.selectAnswers.push_back([button](PlanSelectModel& model) { model.choose(button); });
  }
  void enter(const std::string& text) {
    h.dialogs.inputAnswers.push_back([text](PlanInputModel& model) { model.ok(text); });
  }
  // The text the last Ctrl+V pasted, "" when none.
  std::string pasted() const {
    std::vector<std::string> all = h.keyboard.pastes();
    return all.empty() ? "" : all.back();
  }
  std::string opened() const { return h.shell.opens().empty() ? "" : h.shell.opens().back().target; }
  std::string file(const std::string& name) { return h.files.contentOf(InHome(name)).value_or("<none>"); }
  // The second of the clock when the last run's copy from the working window had ended.
  int secondAfterCopy() const {
    return hotkeysBackAt_.empty() ? 0 : static_cast<int>(hotkeysBackAt_.back() / 1000);
  }
  std::string clipboard() {
    h.clipboard.open();
    std::string text = h.clipboard.getText().value_or("<none>");
    h.clipboard.close();
    return text;
  }

  test::IoHarness h;

 private:
  std::string selection_;
  bool selectionCopied_ = false;
  std::vector<std::uint64_t> hotkeysBackAt_;
};

TEST_F(StandardPlanRunTest, PlanCallPlansWorkOnTheCallersTextAndPasteTheResult) {
  EXPECT_EQ(run("括弧「」括り", "", "ABC"), 0);
  EXPECT_EQ(pasted(), "「ABC」");
  // Called with a text, the plan does not copy from the working window.
  EXPECT_EQ(h.keyboard.log().front(), "50 down 17");
  EXPECT_EQ(h.host.commands().front(), "0927Plan_HotKeyStop");
  EXPECT_EQ(std::count(h.host.commands().begin(), h.host.commands().end(), "0927Plan_ActWin"), 1);

  EXPECT_EQ(run("引用符付け", "", "ABC"), 0);
  EXPECT_EQ(pasted(), "> ABC");
  EXPECT_EQ(run("空白・タブ・改行の削除", "", " a b\r\n\tc　d "), 0);
  EXPECT_EQ(pasted(), "abcd");
  EXPECT_EQ(run("同一行の削除", "", "a\r\nb\r\na\r\nc\r\nb\r\n"), 0);
  EXPECT_EQ(pasted(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(run("行並び替え（降順）", "", "b\r\na\r\nc\r\n"), 0);
  EXPECT_EQ(pasted(), "c\r\nb\r\na\r\n");
  EXPECT_EQ(run("行並び替え（昇順）", "", "b\r\na\r\nc"), 0);
  EXPECT_EQ(pasted(), "a\r\nb\r\nc");
  EXPECT_EQ(run("全角カナ→半角ｶﾅ", "", "ガイド・ブック"), 0);
  EXPECT_EQ(pasted(), "ｶﾞｲﾄﾞ・ﾌﾞｯｸ");
  EXPECT_EQ(run("半角ｶﾅ→全角カナ", "", "ｶﾞｲﾄﾞﾌﾞｯｸ"), 0);
  EXPECT_EQ(pasted(), "ガイドブック");
  EXPECT_TRUE(h.hotKeysBalanced());
}

TEST_F(StandardPlanRunTest, WithoutACallersTextThePlanTakesTheSelection) {
  EXPECT_EQ(run("括弧「」括り", "選択"), 0);
  EXPECT_EQ(pasted(), "「選択」");
  EXPECT_EQ(run("引用符付け", "一行目\r\n二行目\r\n"), 0);
  EXPECT_EQ(pasted(), "> 一行目\r\n> 二行目\r\n");
  // Nothing selected: the notice, and nothing is pasted.
  std::size_t pastes = h.keyboard.pastes().size();
  EXPECT_EQ(run("括弧「」括り", ""), 103);
  EXPECT_EQ(h.dialogs.notices().back().notice.text, "文字列が選択されていません\r\nプランをキャンセルします");
  EXPECT_EQ(h.keyboard.pastes().size(), pastes);
  EXPECT_TRUE(h.hotKeysBalanced());
}

TEST_F(StandardPlanRunTest, LineDivisionCutsAtTheChosenWidth) {
  choose(1);
  EXPECT_EQ(run("行分割(分割桁数指定)", std::string(100, 'a')), 0);
  EXPECT_EQ(h.dialogs.selectButtons.back(),
            (std::vector<std::string>{"40文字", "60文字", "80文字", "100文字"}));
  EXPECT_EQ(pasted(), std::string(40, 'a') + "\r\n" + std::string(40, 'a') + "\r\n" + std::string(20, 'a'));
  choose(3);
  EXPECT_EQ(run("行分割(分割桁数指定)", std::string(100, 'b')), 0);
  EXPECT_EQ(pasted(), std::string(80, 'b') + "\r\n" + std::string(20, 'b'));
}

TEST_F(StandardPlanRunTest, LineAndQuotePlansWorkOnEveryLine) {
  EXPECT_EQ(run("行毎に先頭の空白とタブを削除", "  a\r\n\t　b c\r\nd"), 0);
  EXPECT_EQ(pasted(), "a\r\nb c\r\nd");
  EXPECT_EQ(run("引用符の付加", "a\r\nb"), 0);
  EXPECT_EQ(pasted(), "> a\r\n> b");
  // One quote mark per line goes; a line without one stays.
  EXPECT_EQ(run("引用符の除去", "> a\r\n>b\r\n＞c\r\n> > d\r\ne"), 0);
  EXPECT_EQ(pasted(), "a\r\nb\r\nc\r\n> d\r\ne");
  choose(3);
  EXPECT_EQ(run("括弧くくり", "ABC"), 0);
  EXPECT_EQ(pasted(), "（ABC）");
  enter("a");
  enter("o");
  EXPECT_EQ(run("範囲指定置換", "banana"), 0);
  EXPECT_EQ(pasted(), "bonono");
}

TEST_F(StandardPlanRunTest, WidthPlansConvertEveryKindOrTheChosenOne) {
  EXPECT_EQ(run("半角変換", "ＡＢＣ　ａｂｃ１２３！？カタカナ漢字"), 0);
  EXPECT_EQ(pasted(), "ABC abc123!?ｶﾀｶﾅ漢字");
  EXPECT_EQ(run("全角変換", "ABC abc123!?ｶﾞｲﾄﾞ"), 0);
  EXPECT_EQ(pasted(), "ＡＢＣ　ａｂｃ１２３！？ガイド");
  choose(2);
  EXPECT_EQ(run("半角変換（文字種指定）", "ＡＢ１２"), 0);
  EXPECT_EQ(pasted(), "ＡＢ12");
  choose(1);
  EXPECT_EQ(run("全角変換（文字種指定）", "ab12"), 0);
  EXPECT_EQ(pasted(), "ａｂ12");
}

TEST_F(StandardPlanRunTest, WebPlansOpenAnEncodedAddress) {
  EXPECT_EQ(run("Web検索（Google）", "  C++ & 日本\r\n語 "), 0);
  EXPECT_EQ(opened(), "https://www.google.co.jp/search?q=C%2B%2B+%26+日本+語");
  EXPECT_EQ(run("Web検索（Yahoo）", "100% #1=a"), 0);
  EXPECT_EQ(opened(), "https://search.yahoo.co.jp/search?p=100%25+%231%3Da");
  EXPECT_EQ(run("Web検索（goo）", "quill"), 0);
  EXPECT_EQ(opened(), "https://search.goo.ne.jp/web.jsp?IE=UTF-8&MT=quill");
  EXPECT_EQ(run("文字列検索のブラウザ表示", "a b"), 0);
  EXPECT_EQ(opened(), "https://www.google.co.jp/search?q=a+b");
  EXPECT_EQ(run("Web英和辞典検索（goo）", "look up/over"), 0);
  EXPECT_EQ(opened(), "https://dictionary.goo.ne.jp/srch/ej/look%20up%2Fover/m0u/");
  EXPECT_EQ(run("Web和英辞典検索（goo）", "辞書"), 0);
  EXPECT_EQ(opened(), "https://dictionary.goo.ne.jp/srch/je/辞書/m0u/");
  EXPECT_EQ(run("Web国語辞典検索（goo）", "辞書"), 0);
  EXPECT_EQ(opened(), "https://dictionary.goo.ne.jp/srch/jn/辞書/m0u/");
  EXPECT_EQ(run("WebIT用語辞典（e-Words）", "TCP/IP"), 0);
  EXPECT_EQ(opened(), "https://e-words.jp/w/TCP%2FIP.html");
  EXPECT_TRUE(h.keyboard.pastes().empty());
}

TEST_F(StandardPlanRunTest, TheAddressPlanCorrectsTheSelectedAddress) {
  const std::string name = "選択したアドレスでWeb表示（補正処理付き）";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"ｈｔｔｐ：／／ｅｘａｍｐｌｅ．ｃｏｍ／", "http://example.com/"},
      {" ttp://example.com/a\r\nb ", "http://example.com/ab"},
      {"tps://example.com", "https://example.com"},
      {"www.example.com", "http://www.example.com"},
      {"https://example.com", "https://example.com"},
      {"ftp://example.com", "ftp://example.com"}};
  for (const auto& [selected, address] : cases) {
    EXPECT_EQ(run(name, selected), 0) << selected;
    EXPECT_EQ(opened(), address) << selected;
  }
}

TEST_F(StandardPlanRunTest, PhrasesAreRegisteredAndPasted) {
  std::size_t pastes = h.keyboard.pastes().size();
  EXPECT_EQ(run("定型句の貼り付け２", ""), 103);
  EXPECT_EQ(h.dialogs.notices().back().notice.text, "\r\n定型句２は登録されていません");
  EXPECT_EQ(h.keyboard.pastes().size(), pastes);

  choose(2);
  EXPECT_EQ(run("定型句の登録", "よろしくお願いします。"), 0);
  EXPECT_EQ(file("定型句2.txt"), "よろしくお願いします。");
  EXPECT_EQ(run("定型句の貼り付け２", ""), 0);
  EXPECT_EQ(pasted(), "よろしくお願いします。");
  // Registering over a phrase asks first; No leaves it.
  choose(2);
  h.dialogs.messageAnswers.push_back(MessageAnswer::kNo);
  EXPECT_EQ(run("定型句の登録", "別の文"), 103);
  EXPECT_EQ(file("定型句2.txt"), "よろしくお願いします。");
}

// "―――― 2024/04/01 09:00:SS ――――" CR LF `text` CR LF CR LF, with the seconds as the run went.
std::string Dated(const std::string& text, int seconds) {
  char line[64];
  std::snprintf(line, sizeof line, "2024/04/01 09:00:%02d", seconds);
  return "―――― " + std::string(line) + " ――――\r\n" + text + "\r\n\r\n";
}

TEST_F(StandardPlanRunTest, TheScrapbookCollectsSelectionsAndOpens) {
  EXPECT_EQ(run("スクラップブックへ取り込み", "一つ目"), 0);
  EXPECT_EQ(run("スクラップブックへ取り込み", "二つ目"), 0);
  const int second = secondAfterCopy();
  // Each entry is stamped when its selection was taken (the notice of the first takes 1.5 s).
  EXPECT_EQ(file("スクラップブック.txt"), Dated("一つ目", 0) + Dated("二つ目", second));
  EXPECT_EQ(run("スクラップブック表示", ""), 0);
  EXPECT_EQ(opened(), InHome("スクラップブック.txt"));
}

TEST_F(StandardPlanRunTest, MemoFilesAndTheSecondClipboard) {
  EXPECT_EQ(run("メモ帳の起動", ""), 0);
  EXPECT_EQ(opened(), "notepad.exe");
  enter("買い物\r\n牛乳");
  EXPECT_EQ(run("快速メモ", ""), 0);
  EXPECT_EQ(file("快速メモ.txt"), Dated("買い物\r\n牛乳", 0));
  EXPECT_EQ(run("選択テキストのファイル出力", "出力する文"), 0);
  const int second = secondAfterCopy();
  char name[64];
  std::snprintf(name, sizeof name, "選択テキスト_202404010900%02d00.txt", second);
  EXPECT_EQ(file(name), "出力する文");

  EXPECT_EQ(run("第２クリップボードから貼り付け", ""), 103);
  EXPECT_EQ(run("第２クリップボードへコピー", "取っておく"), 0);
  h.clipboard.putText("別の値");
  EXPECT_EQ(run("第２クリップボードから貼り付け", ""), 0);
  EXPECT_EQ(pasted(), "取っておく");
}

TEST_F(StandardPlanRunTest, ClipboardPlans) {
  EXPECT_EQ(run("書式を除去してコピー", "書式付き"), 0);
  EXPECT_EQ(clipboard(), "書式付き");
  h.clipboard.putText("前の値");
  EXPECT_EQ(run("クリップボードへ追加コピー", "後の値"), 0);
  EXPECT_EQ(clipboard(), "前の値\r\n後の値");
  // Nothing selected: the clipboard gets its value back.
  h.clipboard.putText("そのまま");
  EXPECT_EQ(run("クリップボードへ追加コピー", ""), 103);
  EXPECT_EQ(clipboard(), "そのまま");
  h.dialogs.displayAnswers.push_back([](PlanDisplayModel& model) { model.ok(); });
  EXPECT_EQ(run("現在のクリップボード値の表示", ""), 0);
  EXPECT_EQ(h.dialogs.displayTexts.back(), "現在のクリップボードの値|そのまま");
  EXPECT_EQ(run("クリップボードの初期化", ""), 0);
  EXPECT_EQ(clipboard(), "");
  EXPECT_TRUE(h.hotKeysBalanced());
}

TEST_F(StandardPlanRunTest, TheCharacterCountShowsCharactersBytesAndLines) {
  EXPECT_EQ(run("文字数カウント", "あいう\r\nab"), 0);
  ASSERT_FALSE(h.dialogs.messages().empty());
  EXPECT_EQ(h.dialogs.messages().back().text, "文字数：7 文字\r\n半角換算：10 文字\r\n行数：2 行");
  EXPECT_TRUE(h.keyboard.pastes().empty());
}

}  // namespace
}  // namespace qb
