// The Web plans of the second hotkey set: the selection becomes a search address (or, corrected,
// an address of its own) that the browser opens.
#include <string>

#include "plandata/hotkey2_parts.h"
#include "plandata/plan_text_builder.h"

namespace qb {

using namespace plan_text;

namespace {

constexpr std::string_view kSearchNotes =
    "作業中文書で選択している文字列を検索します。改行やタブは空白として扱います。";

// Searches the selection with a query address: prefix + encoded selection.
std::string QuerySearch(std::string_view prefix) {
  return TakeSelection() + QueryEncoding() + Insert(4, prefix) + WebStartingFromText();
}

// Looks the selection up with an address that holds it as a path segment.
std::string PathLookUp(std::string_view prefix, std::string_view suffix) {
  return TakeSelection() + PathEncoding() + Insert(4, prefix) + Insert(5, suffix) +
         WebStartingFromText();
}

// Blanks and line breaks removed, full-width letters, digits and symbols made half-width, a
// missing "h" of "ttp://" (and "ht" of "tp://") restored, and "http://" put in front of an
// address without a scheme.
std::string CorrectedAddress() {
  return DeletePattern(106) + ChangePattern(12) + ChangePattern(8) + ChangePattern(16) +
         Condition(LengthIs(1, 0), MsgInfo("\r\nアドレスが選択されていません", 20) + Escape()) +
         Condition(TextIs(4, "ttp"), Insert(4, "h")) +
         Condition(TextIs(4, "tp:"), Insert(4, "ht")) +
         Condition(TextIs(4, "tps:"), Insert(4, "ht")) +
         Condition(TextIs(4, "http://", 2) + TextIs(4, "https://", 2) + TextIs(4, "ftp://", 2),
                   Insert(4, "http://"));
}

}  // namespace

void AddWebPlans(PlanRecordTable& table) {
  AddPlan(table, "選択したアドレスでWeb表示（補正処理付き）",
          "作業中文書で選択しているアドレスをブラウザで表示します。",
          "空白や改行を除き、全角の英数字・記号を半角にし、先頭の欠けた「ttp://」を補い、"
          "「http://」の無いアドレスには付けてから表示します。",
          TakeSelection() + CorrectedAddress() + WebStartingFromText());
  AddPlan(table, "WebIT用語辞典（e-Words）",
          "作業中文書で選択しているIT用語を、IT用語辞典（e-Words）で引いてブラウザで表示します。",
          kSearchNotes, PathLookUp("https://e-words.jp/w/", ".html"));
  AddPlan(table, "Web和英辞典検索（goo）",
          "作業中文書で選択している語を、和英辞典（goo）で検索してブラウザで表示します。",
          kSearchNotes, PathLookUp("https://dictionary.goo.ne.jp/srch/je/", "/m0u/"));
  AddPlan(table, "Web英和辞典検索（goo）",
          "作業中文書で選択している語を、英和辞典（goo）で検索してブラウザで表示します。",
          kSearchNotes, PathLookUp("https://dictionary.goo.ne.jp/srch/ej/", "/m0u/"));
  AddPlan(table, "Web国語辞典検索（goo）",
          "作業中文書で選択している語を、国語辞典（goo）で検索してブラウザで表示します。",
          kSearchNotes, PathLookUp("https://dictionary.goo.ne.jp/srch/jn/", "/m0u/"));
  AddPlan(table, "Web検索（goo）",
          "作業中文書で選択している文字列を、gooでWeb検索してブラウザで表示します。", kSearchNotes,
          QuerySearch("https://search.goo.ne.jp/web.jsp?IE=UTF-8&MT="));
  AddPlan(table, "Web検索（Google）",
          "作業中文書で選択している文字列を、GoogleでWeb検索してブラウザで表示します。",
          kSearchNotes, QuerySearch("https://www.google.co.jp/search?q="));
  AddPlan(table, "Web検索（Yahoo）",
          "作業中文書で選択している文字列を、YahooでWeb検索してブラウザで表示します。",
          kSearchNotes, QuerySearch("https://search.yahoo.co.jp/search?p="));
}

}  // namespace qb
