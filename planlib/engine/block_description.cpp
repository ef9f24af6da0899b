#include "planlib/engine/block_description.h"

#include <map>
#include <utility>

#include "base/numbers.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_tags.h"
#include "planlib/engine/plan_variables.h"

namespace qb {

namespace {

struct MissingSetting {};

class Settings {
 public:
  explicit Settings(std::string_view value) : value_(value) {}
  std::string text(std::string_view name) const {
    std::optional<std::string> found = ReadElement(value_, name);
    if (!found) throw MissingSetting{};
    return *found;
  }
  int number(std::string_view name) const { return ParseLeadingInt(text(name)); }
  // A string setting, or 改行 / タブ when its kind element selects the escape notation.
  std::string shown(std::string_view name, std::string_view kindName) const {
    std::string s = text(name);
    if (number(kindName) != 2) return "「" + s + "」";
    return s.find('t') != std::string::npos ? "タブ" : "改行";
  }

 private:
  std::string_view value_;
};

using Labels = std::map<int, std::string_view>;

std::string Label(const Labels& labels, int code) {
  auto found = labels.find(code);
  return found == labels.end() ? std::string("？") : std::string(found->second);
}

const Labels kInsertAt = {{4, "先頭に"}, {5, "末尾に"}, {6, "文字目に"}, {7, "文字目(半角換算)に"},
                          {3, "全て削除して"}};
const Labels kChangeAt = {{3, "すべての"},           {1, "先頭からの１箇所のみ"},
                          {2, "末尾からの１箇所のみ"}, {10, "文字目以降の"},
                          {11, "文字目(半角換算)以降の"}, {12, "文字目以前の"},
                          {13, "文字目(半角換算)以前の"}};
const Labels kDeleteAt = {{6, "文字目から"},         {7, "文字目(半角換算)から"},
                          {10, "文字目以降全て"},     {11, "文字目(半角換算)以降全て"},
                          {17, "末尾から"},           {18, "末尾から(半角換算)"},
                          {3, "全ての文字列"}};
const Labels kDeletePattern = {
    {101, "前方の空白（全角/半角）を削除"}, {102, "後方の空白（全角/半角）を削除"},
    {103, "全ての空白（全角/半角）を削除"}, {104, "前方の空白（全角/半角）・改行・タブを削除"},
    {105, "後方の空白（全角/半角）・改行・タブを削除"},
    {106, "全ての空白（全角/半角）・改行・タブを削除"},
    {107, "前方の空白（全角/半角）・タブを削除"}, {108, "後方の空白（全角/半角）・タブを削除"},
    {109, "全ての空白（全角/半角）・タブを削除"}};
const Labels kChangePattern = {
    {1, "連続する半角空白を１つの半角空白に置換"}, {2, "連続する全角空白を１つの全角空白に置換"},
    {3, "連続するタブを１つのタブに置換"},         {4, "連続する改行を１つの改行に置換"},
    {9, "半角英字の小文字(a) → 大文字(A)"},        {10, "半角英字の大文字(A) → 小文字(a)"},
    {5, "半角空白 → 全角空白"},                    {6, "全角空白 → 半角空白"},
    {7, "半角数字 → 全角数字"},                    {8, "全角数字 → 半角数字"},
    {11, "半角英字 → 全角英字"},                   {12, "全角英字 → 半角英字"},
    {13, "半角ｶﾅ → 全角カナ"},                     {14, "全角カナ → 半角ｶﾅ"},
    {15, "半角記号 → 全角記号"},                   {16, "全角記号 → 半角記号"}};
// "%s" stands for the search string, "%d" for the position or length.
const Labels kCutStart = {{3, "先頭から"},       {1, "%sから"}, {2, "%sの後ろから"},
                          {8, "連続する%sの終了直後から"}, {4, "%d文字目から"},
                          {5, "%d文字目(半角換算)から"}};
const Labels kCutEnd = {{3, "末尾まで"},         {1, "%sまで"},   {2, "%sの前まで"},
                        {4, "%d文字目まで"},     {5, "%d文字目(半角換算)まで"},
                        {6, "%d文字"},           {7, "%d文字(半角換算)"}};
const Labels kConditionOp = {{1, "である"}, {2, "ではない"}, {3, "より大きい"},
                             {4, "であるか大きい"}, {5, "より小さい"}, {6, "であるか小さい"},
                             {7, "最終行である"}, {8, "存在する"}, {9, "存在しない"}};
// Where a string condition looks; "%d" stands for the position.
const Labels kStringTestAt = {{8, "どこかに"},
                              {9, "すべてが"},
                              {4, "始まりが"},
                              {5, "終わりが"},
                              {6, "%d桁目からが"},
                              {7, "%d桁目(半角換算)からが"},
                              {10, "%d桁目以降に"},
                              {11, "%d桁目(半角換算)以降に"},
                              {12, "%d桁目以前に"},
                              {13, "%d桁目(半角換算)以前に"}};

std::string Num(int n) { return std::to_string(n); }

// A label with its placeholders filled.
std::string Filled(std::string label, std::string_view searched, int number) {
  if (std::size_t at = label.find("%s"); at != std::string::npos) label.replace(at, 2, searched);
  if (std::size_t at = label.find("%d"); at != std::string::npos) label.replace(at, 2, Num(number));
  return label;
}

// The start or the end of a cut, with its search string or its number.
std::string CutPoint(const Settings& s, const Labels& labels, std::string_view side) {
  const std::string suffix = side == "start" ? "_S" : "_E";
  const int kind = s.number("KIND_CUT" + suffix);
  std::string label = Label(labels, kind);
  std::string searched;
  if (label.find("%s") != std::string::npos) searched = s.shown("DATA" + suffix, "KIND_KMS" + suffix);
  int number = 0;
  if (label.find("%d") != std::string::npos) {
    number = s.number(side == "end" && (kind == 6 || kind == 7) ? "LEN" : "IDX_CN" + suffix);
  }
  return Filled(std::move(label), searched, number);
}

std::string DescribeCondition(std::string_view span) {
  int digit = span.size() > 14 ? span[14] - '0' : 0;
  const ConditionKind* kind = FindConditionKind(digit);
  if (kind == nullptr) throw MissingSetting{};
  Settings s(span);
  std::string text(kind->displayName);
  const int op = s.number("KIND_COND");
  switch (digit) {
    case 1:
    case 6: {
      std::string subject = digit == 6 ? PlanVariables::nameOfCode(s.number("KIND_PLANHENSU")) + " の" : "";
      const int at = s.number("KIND_ADR");
      std::string where = Label(kStringTestAt, at);
      if (where.find("%d") != std::string::npos) where = Filled(where, {}, s.number("IDX_CN"));
      return text + "：" + subject + where + s.shown("DATASR", "KIND_KMS") + (op == 2 ? "でない" : "である");
    }
    case 2:
      return text + "：" + (s.number("KIND_KETA") == 2 ? "文字数(半角換算)が" : "文字数が") +
             Num(s.number("DATANUM")) + Label(kConditionOp, op);
    case 3:
      return text + "：" + (op == 7 ? std::string() : Num(s.number("DATANUM")) + "行目") +
             Label(kConditionOp, op);
    case 7:
      return text + "：" + PlanVariables::nameOfCode(s.number("KIND_PLANHENSU")) + " が" +
             Num(s.number("DATANUM")) + Label(kConditionOp, op);
    case 4:
      return text + "≪" + s.text("FILE_PATH") + "≫" + Label(kConditionOp, s.number("KIND_COND"));
    default:
      return text + "≪" + s.text("FOLDER") + "≫" + Label(kConditionOp, s.number("KIND_COND"));
  }
}

std::string DescribeConditions(const Settings& s, std::string_view value) {
  std::string joiner = s.number("OPERATION") == 2 ? "　　または..." : "　　かつ...";
  std::string text;
  std::size_t pos = 0;
  for (int i = 0; i < 7; ++i) {
    std::size_t open = value.find("<@@CONDITION_K", pos);
    std::size_t close = value.find("<@@/CONDITION_K", pos);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) break;
    if (i > 0) text += joiner;
    std::size_t end = close + 17;
    text += DescribeCondition(value.substr(open, end - open));
    pos = end;
  }
  if (s.number("ALL_NOT") == 1) text += "       ［ 条件が不一致の場合に配下を実行 ］";
  return text;
}

std::string Sentence(std::string_view tag, const Settings& s, std::string_view value) {
  if (tag == "INSERT") {
    int at = s.number("KIND_ADR");
    std::string where = (at == 6 || at == 7) ? Num(s.number("IDX_IN")) : "";
    return where + Label(kInsertAt, at) + s.shown("DATAIN", "KIND_IMS") + " を挿入する";
  }
  if (tag == "CHANGE") {
    int at = s.number("KIND_ADR");
    std::string pair = s.shown("DATASR", "KIND_KMS") + "を" + s.shown("DATATK", "KIND_TMS") + "に";
    if (at == 3) return pair + "全て置換する";
    std::string where = at >= 10 ? Num(s.number("IDX_CN")) : "";
    return where + Label(kChangeAt, at) + pair + "置換する";
  }
  if (tag == "CHANGE_FILE") {
    return "ファイル≪" + s.text("FILE_PATH") + "≫の設定で" + Label(kChangeAt, s.number("KIND_ADR")) +
           "文字列を置換する";
  }
  if (tag == "CHANGE_PATTERN") return Label(kChangePattern, s.number("KIND_PATTERN")) + "する";
  if (tag == "DELETE_PATTERN") return Label(kDeletePattern, s.number("KIND_PATTERN")) + "する";
  if (tag == "DELETE_POSI") {
    int at = s.number("KIND_ADR");
    std::string from = (at == 3 || at >= 17) ? "" : Num(s.number("IDX_START"));
    std::string length = (at == 6 || at == 7 || at >= 17) ? " " + Num(s.number("LEN")) + " 文字" : "";
    return from + Label(kDeleteAt, at) + length + "を削除する";
  }
  if (tag == "CUTTING") {
    return CutPoint(s, kCutStart, "start") + CutPoint(s, kCutEnd, "end") + "を切り出して配下を実行";
  }
  if (tag == "CONDITION") return DescribeConditions(s, value);
  if (tag == "DIVISION_LINE") {
    return Num(s.number("LEN")) + (s.number("KIND_KETA") == 2 ? " 文字毎(半角換算)に" : " 文字毎に") + "分割する";
  }
  if (tag == "SORT_LINE") {
    return Num(s.number("IDX_START")) +
           (s.number("KIND_KETA") == 2 ? " 文字目(半角換算)からの文字列で" : " 文字目からの文字列で") +
           (s.number("KIND_SORT") == 2 ? "降順に" : "昇順に") + "並び替える";
  }
  if (tag == "SAME_DELETE_LINE") return "重複する行を削除する";
  if (tag == "LINE_ADD") {
    return std::string(s.number("KIND_ADR") == 19 ? "現在行の前に" : "現在行の後ろに") + "「" +
           s.text("DATAIN") + "」の行を追加する";
  }
  if (tag == "INSERT_FILE") return "ファイル≪" + s.text("FILE_PATH") + "≫を読み込む";
  if (tag == "CREATE_FILE") return "ファイル≪" + s.text("FILE_PATH") + "≫を作成する";
  if (tag == "LOOP") return Num(s.number("LOOP_COUNT")) + "回、配下の処理を実行する";
  if (tag == "SLEEP") return "プランの実行を" + Num(s.number("STOP_TIME")) + "00ミリ秒の間一時停止する";
  if (tag == "DSP_SELECT") return "選択画面（ボタン数：" + Num(s.number("BTN_COUNT")) + "）を表示する";
  if (tag == "COMMENT") {
    return s.text("DATAIN") + (s.number("COMMENT_FLG") == 1 ? "       ［ 配下はコメント扱い ］" : "");
  }
  if (tag == "DSP_STRING") return s.number("KIND_VALID") == 1 ? "" : "　　[無効]";
  if (tag == "PLAN_COUNTER_SET" || tag == "PLAN_HENSU_SET") {
    std::string name = PlanVariables::nameOfCode(s.number("KIND_PLANHENSU"));
    return name.empty() ? "" : name + " を設定する";
  }
  return "";
}

}  // namespace

std::string DescribeBlock(const PlanRow& row) {
  std::string_view tag = RowTagName(row);
  const BlockKind* kind = FindBlockKind(tag);
  if (kind == nullptr) return "説明作成ERROR";
  try {
    Settings settings(row.value);
    return "【" + std::string(kind->displayName) + "】" + Sentence(tag, settings, row.value);
  } catch (const MissingSetting&) {
    return "説明作成ERROR";
  }
}

}  // namespace qb
