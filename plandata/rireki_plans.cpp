// The nine plans of the group "プラン呼び出し専用". Called from another tab they work on the
// row's text; run any other way they take the selection of the working window. The result is
// pasted into the working window.
#include <string>

#include "plandata/plan_text_builder.h"
#include "plandata/standard_plans.h"

namespace qb {

using namespace plan_text;

namespace {

constexpr std::string_view kVersion = "V1.00";

constexpr std::string_view kTakesText =
    "呼び出し元の値を使います。値が無いときは、作業中文書で選択している文字列を使います。";

// A text plan: take the text, transform it, paste the result into the working window.
void AddTextPlan(PlanRecordTable& table, std::string_view name, std::string_view summary,
                 const std::string& transform) {
  table.add(name, kVersion,
            Header(name, summary, kTakesText) + TakeSelection() + transform + ActWinPaste());
}

std::string DivideAt(int characters) { return DivisionLine(1, characters); }

}  // namespace

PlanRecordTable RirekiPlans() {
  PlanRecordTable table;
  AddTextPlan(table, "括弧「」括り", "文字列を「」で括って、作業中文書に貼り付けます。",
              Insert(4, "「") + Insert(5, "」"));
  AddTextPlan(table, "空白・タブ・改行の削除",
              "文字列から空白（全角／半角）、タブ、改行をすべて削除して、作業中文書に貼り付けます。",
              DeletePattern(106));
  AddTextPlan(table, "行分割(分割桁数指定)",
              "文字列の各行を、選択した文字数（40／60／80／100文字）ごとに改行で区切って、"
              "作業中文書に貼り付けます。",
              ChooseAndRun("１行の文字数を選択してください",
                           {{"40文字", DivideAt(40)},
                            {"60文字", DivideAt(60)},
                            {"80文字", DivideAt(80)},
                            {"100文字", DivideAt(100)}}));
  AddTextPlan(table, "同一行の削除",
              "同じ内容の行を２行目以降から削除して、作業中文書に貼り付けます。行の順序は変わりません。",
              SameDeleteLine());
  AddTextPlan(table, "行並び替え（降順）", "行を降順（文字コードの大きい順）に並べ替えて、作業中文書に貼り付けます。",
              SortLine(2));
  AddTextPlan(table, "行並び替え（昇順）", "行を昇順（文字コードの小さい順）に並べ替えて、作業中文書に貼り付けます。",
              SortLine(1));
  AddTextPlan(table, "全角カナ→半角ｶﾅ", "全角カタカナを半角ｶﾀｶﾅに変換して、作業中文書に貼り付けます。",
              ChangePattern(14));
  AddTextPlan(table, "半角ｶﾅ→全角カナ",
              "半角ｶﾀｶﾅを全角カタカナに変換して（濁点・半濁点付きの文字は１文字にします）、"
              "作業中文書に貼り付けます。",
              ChangePattern(13));
  AddTextPlan(table, "引用符付け", "各行の先頭に引用符「> 」を付けて、作業中文書に貼り付けます。",
              Line(Insert(4, "> ")));
  return table;
}

}  // namespace qb
