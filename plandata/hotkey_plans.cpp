// The three plans of the first set for the group "ホットキー呼び出し専用": a search of the
// selection in the browser, and the scrapbook, a text file in the plan data-home folder.
#include <string>

#include "plandata/plan_text_builder.h"
#include "plandata/standard_plans.h"

namespace qb {

using namespace plan_text;
using standard_plan_file::kScrapbook;

namespace {

constexpr std::string_view kVersion = "V1.00";

// Creates the scrapbook when it does not exist yet.
std::string EnsureScrapbook() { return Condition(FileIs(9, kScrapbook), CreateFile(kScrapbook)); }

}  // namespace

PlanRecordTable HotKeyPlans() {
  PlanRecordTable table;
  table.add("文字列検索のブラウザ表示", kVersion,
            Header("文字列検索のブラウザ表示",
                   "作業中文書で選択している文字列をWebで検索し、結果をブラウザで表示します。",
                   "改行やタブは空白として扱います。") +
                TakeSelection() + QueryEncoding() +
                Insert(4, "https://www.google.co.jp/search?q=") + WebStartingFromText());
  table.add("スクラップブック表示", kVersion,
            Header("スクラップブック表示",
                   "スクラップブック（プランのデータホームフォルダの「スクラップブック.txt」）を開きます。",
                   "まだ無いときは空のスクラップブックを作ってから開きます。") +
                EnsureScrapbook() + FileStarting(kScrapbook));
  table.add("スクラップブックへ取り込み", kVersion,
            Header("スクラップブックへ取り込み",
                   "作業中文書で選択している文字列を、取り込んだ日時を付けてスクラップブックの末尾に追記します。",
                   "スクラップブックは「スクラップブック表示」で開けます。") +
                TakeSelection() + LineAdd(19, "―――― <$現在日時> ――――") +
                Insert(5, "\\r\\n\\r\\n", 2) + EnsureScrapbook() + OutFileAdd(1, kScrapbook) +
                MsgInfo("\r\nスクラップブックに取り込みました"));
  return table;
}

}  // namespace qb
