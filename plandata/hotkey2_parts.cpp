#include "plandata/hotkey2_parts.h"

#include "plandata/plan_text_builder.h"
#include "plandata/standard_plans.h"

namespace qb {

using namespace plan_text;

namespace {

constexpr std::string_view kFullWidthDigits[] = {"０", "１", "２", "３", "４", "５"};

constexpr std::string_view kTakesText =
    "作業中文書で選択している文字列を使い、結果を作業中文書に貼り付けます。"
    "プラン呼び出しで呼び出されたときは呼び出し元の値を使います。";

}  // namespace

void AddPlan(PlanRecordTable& table, std::string_view name, std::string_view summary,
             std::string_view notes, const std::string& body) {
  table.add(name, kHotKey2Version, Header(name, summary, notes) + body);
}

void AddTextPlan(PlanRecordTable& table, std::string_view name, std::string_view summary,
                 const std::string& transform) {
  AddPlan(table, name, summary, kTakesText, TakeSelection() + transform + ActWinPaste());
}

std::string PhraseFile(int number) {
  return std::string(standard_plan_file::kPhraseStem) + std::to_string(number) + ".txt";
}

void AddPhrasePaste(PlanRecordTable& table, int number) {
  const std::string digit(kFullWidthDigits[number]);
  const std::string name = "定型句の貼り付け" + digit;
  AddPlan(table, name, "登録した定型句" + digit + "を作業中文書に貼り付けます。",
          "定型句は「定型句の登録」で登録します（プランのデータホームフォルダの「定型句" +
              std::to_string(number) + ".txt」）。",
          Condition(FileIs(9, PhraseFile(number)),
                    MsgInfo("\r\n定型句" + digit + "は登録されていません", 20) + Escape()) +
              InsertWholeFile(3, PhraseFile(number)) + ActWinPaste());
}

std::string Around(std::string_view open, std::string_view close) {
  return Insert(4, open) + Insert(5, close);
}

std::string ToHalfWidth() {
  return ChangePattern(12) + ChangePattern(8) + ChangePattern(16) + ChangePattern(14) +
         ChangePattern(6);
}

std::string ToFullWidth() {
  return ChangePattern(11) + ChangePattern(7) + ChangePattern(15) + ChangePattern(13) +
         ChangePattern(5);
}

}  // namespace qb
