#include "planlib/editor/form_tables.h"

#include <algorithm>
#include <map>
#include <string>

#include "planlib/engine/plan_variables.h"

namespace qb::form_tables {

namespace {

using Choices = std::vector<FieldChoice>;

FormField Text(std::string_view element, std::string label, FieldKind kind = FieldKind::Text) {
  FormField field;
  field.element = element;
  field.label = std::move(label);
  field.kind = kind;
  return field;
}
FormField Number(std::string_view element, std::string label, std::string defaultValue, int minimum,
                 int maximum) {
  FormField field = Text(element, std::move(label), FieldKind::Number);
  field.defaultValue = std::move(defaultValue);
  field.minimum = minimum;
  field.maximum = maximum;
  return field;
}
FormField Choice(std::string_view element, std::string label, Choices choices) {
  FormField field = Text(element, std::move(label), FieldKind::Choice);
  field.choices = std::move(choices);
  return field;
}
FormField Check(std::string_view element, std::string label, std::string defaultValue = "0") {
  FormField field = Text(element, std::move(label), FieldKind::Check);
  field.defaultValue = std::move(defaultValue);
  return field;
}
FormField Fixed(std::string_view element, std::string value) {
  FormField field = Text(element, "", FieldKind::Fixed);
  field.defaultValue = std::move(value);
  return field;
}
FormField When(FormField field, std::string_view element, std::vector<int> codes) {
  field.activeWhen = {element, std::move(codes)};
  return field;
}

// Choices named by plan variables: "<$作業用01>" for 101.
Choices Variables(const std::vector<int>& codes) {
  Choices choices;
  for (int code : codes) choices.push_back({code, PlanVariables::nameOfCode(code)});
  return choices;
}
std::vector<int> Codes(int first, int last) {
  std::vector<int> codes;
  for (int code = first; code <= last; ++code) codes.push_back(code);
  return codes;
}
std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
const std::vector<int> kStringVariables = Join(Join(Codes(1, 12), Codes(17, 20)), Codes(101, 120));
const std::vector<int> kNumberVariables = Join(Join(Codes(13, 16), {21, 22}), Codes(201, 219));

const Choices kNotation = {{1, "文字列"}, {2, "特殊文字（改行・タブ）"}};
const Choices kSource = {{1, "ブロック入力文字列"}, {2, "下記の文字列"}};
const Choices kCompare = {{1, "である"},         {2, "ではない"},     {3, "より大きい"},
                          {4, "であるか大きい"}, {5, "より小さい"}, {6, "であるか小さい"}};
const Choices kStringTest = {{8, "どこかに"},
                             {9, "すべてが"},
                             {4, "始まりが"},
                             {5, "終わりが"},
                             {6, "指定した桁からが"},
                             {7, "指定した桁(半角換算)からが"},
                             {10, "指定した桁以降に"},
                             {11, "指定した桁(半角換算)以降に"},
                             {12, "指定した桁以前に"},
                             {13, "指定した桁(半角換算)以前に"}};
const Choices kMatchOrNot = {{1, "である"}, {2, "でない"}};
const Choices kExists = {{8, "存在する"}, {9, "存在しない"}};
const std::vector<int> kPositionedStringTests = {6, 7, 10, 11, 12, 13};

std::map<std::string_view, FormField> MakeElementFields() {
  std::vector<FormField> fields = {
      Fixed("KIND_FIND", "1"),
      Number("IDX_IN", "桁", "1", 1, 512000),
      Number("IDX_CN", "桁", "1", 1, 512000),
      Number("IDX_START", "開始位置", "1", 1, 512000),
      Number("IDX_END", "終了位置", "1", 1, 512000),
      Number("IDX_CN_S", "開始桁", "1", 1, 512000),
      Number("IDX_CN_E", "終了桁", "1", 1, 512000),
      Number("LEN", "文字数", "1", 1, 512000),
      Choice("KIND_IMS", "挿入する文字", kNotation),
      Choice("KIND_KMS", "検索する文字", kNotation),
      Choice("KIND_TMS", "置換後の文字", kNotation),
      Choice("KIND_KMS_S", "開始位置の文字", kNotation),
      Choice("KIND_KMS_E", "終了位置の文字", kNotation),
      Check("KIND_ALPHABET", "英字の大文字と小文字を区別しない"),
      Check("KIND_ALPHABET_S", "英字の大文字と小文字を区別しない"),
      Check("KIND_ALPHABET_E", "英字の大文字と小文字を区別しない"),
      Text("DATAIN", "文字列", FieldKind::MultilineText),
      Text("DATASR", "検索する文字列"),
      Text("DATATK", "置換後の文字列"),
      Text("DATA_S", "開始位置の文字列"),
      Text("DATA_E", "終了位置の文字列"),
      Text("MSG", "メッセージ", FieldKind::MultilineText),
      Text("MIDASHI", "見出し"),
      Text("DATAURL", "アドレス"),
      Text("APL_HIKISU", "パラメータ"),
      Check("ZEN_NOTCUT", "全角文字を分断しない"),
      Check("ALL_NOT", "条件が不一致の場合に配下を実行"),
      Choice("OPERATION", "条件の組み合わせ", {{1, "かつ"}, {2, "または"}}),
      Choice("KIND_SORT", "順序", {{1, "昇順に"}, {2, "降順に"}}),
      Text("FILE_PATH", "ファイル", FieldKind::OpenFilePath),
      Check("FILE_CHECK", "既に存在する場合は確認する", "1"),
      Text("FOLDER", "フォルダ", FieldKind::FolderPath),
      Text("APL_PATH", "アプリケーション", FieldKind::ApplicationPath),
      [] {
        FormField same = Text("KIND_STARTING", "", FieldKind::SameAs);
        same.sameAs = "KIND_IN";
        return same;
      }(),
      Choice("KIND_IN", "対象", kSource),
      Check("KIND_VALID", "有効", "1"),
      Check("CANCEL_DSP", "「これ以降は表示しない」ボタンを表示する"),
      Number("DSP_TIME", "表示時間（100ミリ秒単位）", "20", 1, 6000),
      Number("TXCOLOR_R", "文字色（赤）", "0", 0, 255),
      Number("TXCOLOR_G", "文字色（緑）", "64", 0, 255),
      Number("TXCOLOR_B", "文字色（青）", "0", 0, 255),
      Number("BKCOLOR_R", "背景色（赤）", "230", 0, 255),
      Number("BKCOLOR_G", "背景色（緑）", "235", 0, 255),
      Number("BKCOLOR_B", "背景色（青）", "116", 0, 255),
      Number("BTN_COUNT", "ボタン数", "2", 1, 12),
      Choice("KIND_GETERR", "文字列が無い場合",
             {{1, "そのまま実行を続ける"}, {2, "プランをキャンセルする"}}),
      Choice("IN_HISU", "入力", {{1, "入力は任意"}, {2, "入力必須"}}),
      Choice("KIND_ENZAN", "演算", {{1, "を代入する"}, {2, "を加算する"}, {3, "を減算する"}}),
      Number("DATANUM", "数値", "0", -999999999, 999999999),
      Number("STOP_TIME", "停止時間（100ミリ秒単位）", "10", 0, 36000),
      Check("COMMENT_FLG", "配下はコメント扱い"),
      Number("LOOP_COUNT", "回数", "1", 0, 999999),
      Choice("STACK_GROUP", "スタックグループ",
             {{0, "ﾌﾟﾗﾝ用ｸﾘｯﾌﾟﾎﾞｰﾄﾞ履歴"}, {1, "スタックグループ２"}, {2, "スタックグループ３"},
              {3, "スタックグループ４"}, {4, "スタックグループ５"}, {5, "スタックグループ６"},
              {6, "スタックグループ７"}, {7, "スタックグループ８"}, {8, "スタックグループ９"},
              {9, "スタックグループ１０"}}),
      Check("MAX64K", "64KBまでを出力する"),
      Choice("KIND_FILENAME", "ファイル名",
             {{1, "ファイル名固定で"}, {2, "ファイル名の後ろに日時を付加して"}, {3, "ファイル名の前に日時を付加して"}}),
  };
  static const char* const kButtons[] = {"BTN_NAME01", "BTN_NAME02", "BTN_NAME03", "BTN_NAME04",
                                         "BTN_NAME05", "BTN_NAME06", "BTN_NAME07", "BTN_NAME08",
                                         "BTN_NAME09", "BTN_NAME10", "BTN_NAME11", "BTN_NAME12"};
  for (const char* button : kButtons) {
    fields.push_back(Text(button, "ボタン名" + std::string(std::string_view(button).substr(8))));
  }
  std::map<std::string_view, FormField> byElement;
  for (FormField& field : fields) byElement.emplace(field.element, std::move(field));
  return byElement;
}

struct KindFieldRow {
  std::string_view tag;
  FormField field;
};

std::vector<KindFieldRow> MakeKindFields() {
  return {
      {"INSERT", Choice("KIND_ADR", "挿入位置",
                        {{4, "先頭に"}, {5, "末尾に"}, {6, "指定した桁に"}, {7, "指定した桁(半角換算)に"},
                         {3, "全て削除して"}})},
      {"INSERT", When(Number("IDX_IN", "桁", "1", 1, 512000), "KIND_ADR", {6, 7})},
      {"CHANGE", Choice("KIND_ADR", "置換する箇所",
                        {{3, "すべての"}, {1, "先頭からの１箇所のみ"}, {2, "末尾からの１箇所のみ"},
                         {10, "指定した桁以降の"}, {11, "指定した桁(半角換算)以降の"},
                         {12, "指定した桁以前の"}, {13, "指定した桁(半角換算)以前の"}})},
      {"CHANGE", When(Number("IDX_CN", "桁", "1", 1, 512000), "KIND_ADR", {10, 11, 12, 13})},
      {"CHANGE_FILE", Choice("KIND_ADR", "置換する箇所",
                             {{3, "すべての"}, {1, "先頭からの１箇所のみ"}, {2, "末尾からの１箇所のみ"},
                              {10, "指定した桁以降の"}, {11, "指定した桁(半角換算)以降の"}})},
      {"CHANGE_FILE", When(Number("IDX_CN", "桁", "1", 1, 512000), "KIND_ADR", {10, 11})},
      {"CHANGE_PATTERN",
       Choice("KIND_PATTERN", "置換パターン",
              {{1, "連続する半角空白を１つの半角空白に置換"}, {2, "連続する全角空白を１つの全角空白に置換"},
               {3, "連続するタブを１つのタブに置換"}, {4, "連続する改行を１つの改行に置換"},
               {9, "半角英字の小文字(a) → 大文字(A)"}, {10, "半角英字の大文字(A) → 小文字(a)"},
               {5, "半角空白 → 全角空白"}, {6, "全角空白 → 半角空白"}, {7, "半角数字 → 全角数字"},
               {8, "全角数字 → 半角数字"}, {11, "半角英字 → 全角英字"}, {12, "全角英字 → 半角英字"},
               {13, "半角ｶﾅ → 全角カナ"}, {14, "全角カナ → 半角ｶﾅ"}, {15, "半角記号 → 全角記号"},
               {16, "全角記号 → 半角記号"}})},
      {"DELETE_POSI", Choice("KIND_ADR", "削除する位置",
                             {{6, "文字目から"}, {7, "文字目(半角換算)から"}, {10, "文字目以降全て"},
                              {11, "文字目(半角換算)以降全て"}, {17, "末尾から"}, {18, "末尾から(半角換算)"},
                              {3, "全ての文字列"}})},
      {"DELETE_POSI", When(Number("IDX_START", "開始位置", "1", 1, 512000), "KIND_ADR", {6, 7, 10, 11})},
      {"DELETE_POSI", When(Number("LEN", "文字数", "1", 1, 512000), "KIND_ADR", {6, 7, 17, 18})},
      {"DELETE_PATTERN",
       Choice("KIND_PATTERN", "削除パターン",
              {{101, "前方の空白（全角/半角）を削除"}, {102, "後方の空白（全角/半角）を削除"},
               {103, "全ての空白（全角/半角）を削除"}, {104, "前方の空白（全角/半角）・改行・タブを削除"},
               {105, "後方の空白（全角/半角）・改行・タブを削除"},
               {106, "全ての空白（全角/半角）・改行・タブを削除"}, {107, "前方の空白（全角/半角）・タブを削除"},
               {108, "後方の空白（全角/半角）・タブを削除"}, {109, "全ての空白（全角/半角）・タブを削除"}})},
      {"CUTTING", Choice("KIND_CUT_S", "開始位置",
                         {{3, "先頭から"}, {1, "検索文字列から"}, {2, "検索文字列の後ろから"},
                          {8, "連続する検索文字列の終了直後から"}, {4, "指定した桁から"},
                          {5, "指定した桁(半角換算)から"}})},
      {"CUTTING", Choice("KIND_CUT_E", "終了位置",
                         {{3, "末尾まで"}, {1, "検索文字列まで"}, {2, "検索文字列の前まで"}, {4, "指定した桁まで"},
                          {5, "指定した桁(半角換算)まで"}, {6, "指定した桁数"}, {7, "指定した桁数(半角換算)"}})},
      {"CUTTING", When(Number("LEN", "桁数", "1", 1, 512000), "KIND_CUT_E", {6, 7})},
      {"DIVISION_LINE", Choice("KIND_KETA", "単位", {{1, "文字毎に"}, {2, "文字毎(半角換算)に"}})},
      {"SORT_LINE", Choice("KIND_KETA", "単位", {{1, "文字目からの文字列で"}, {2, "文字目(半角換算)からの文字列で"}})},
      {"SAME_DELETE_LINE", Fixed("KIND_ADR", "3")},
      {"LINE_ADD", Choice("KIND_ADR", "追加する位置", {{19, "現在行の前に"}, {20, "現在行の後ろに"}})},
      {"INSERT_FILE", Choice("KIND_ADR", "読み込み位置", {{14, "先頭に、"}, {15, "末尾に、"}, {3, "全て削除して、"}})},
      {"INSERT_FILE", Choice("KIND_INFILE", "読み込む行",
                             {{1, "全ての行"}, {2, "開始行から終了行まで"}, {3, "指定行から最終行まで"}})},
      {"INSERT_FILE", When(Number("IDX_START", "開始行", "1", 1, 10000), "KIND_INFILE", {2, 3})},
      {"INSERT_FILE", When(Number("IDX_END", "終了行", "1", 1, 10000), "KIND_INFILE", {2})},
      {"CREATE_FILE", Text("FILE_PATH", "ファイル", FieldKind::SaveFilePath)},
      {"OUT_FILE_WRITE", Text("FILE_PATH", "ファイル", FieldKind::SaveFilePath)},
      {"OUT_FILE_ADD", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"OUT_FILE_WRITE", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"OUT_CLIPBOARD", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"ACTWIN_PASTE", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"OUT_STACK", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"DSP_STRING", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"MSG_VERIFY", When(Text("MSG", "メッセージ", FieldKind::MultilineText), "KIND_IN", {2})},
      {"FILE_STARTING", Choice("KIND_IN", "開くファイル", {{1, "ブロック入力文字列"}, {2, "下記のファイル"}})},
      {"FILE_STARTING", When(Text("FILE_PATH", "ファイル", FieldKind::OpenFilePath), "KIND_IN", {2})},
      {"FOLDER_STARTING", Choice("KIND_IN", "開くフォルダ", {{1, "ブロック入力文字列"}, {2, "下記のフォルダ"}})},
      {"FOLDER_STARTING", When(Text("FOLDER", "フォルダ", FieldKind::FolderPath), "KIND_IN", {2})},
      {"WEB_STARTING", Choice("KIND_IN", "表示するアドレス", {{1, "ブロック入力文字列"}, {2, "下記のアドレス"}})},
      {"WEB_STARTING", When(Text("DATAURL", "アドレス"), "KIND_IN", {2})},
      {"APL_STARTING", Choice("KIND_IN", "パラメータ",
                              {{4, "設定しない"}, {2, "下記を設定する"}, {5, "ファイルを設定する"},
                               {1, "ブロック入力文字列を設定する"}})},
      {"APL_STARTING", When(Text("APL_HIKISU", "パラメータ"), "KIND_IN", {2, 5})},
      {"MSG_VERIFY", Choice("KIND_VERIFY", "確認画面", {{1, "ＯＫボタンのある"}, {2, "はい／いいえの選択のある"}})},
      {"MSG_INFO", Choice("KIND_INFO", "通知する文字列", {{2, "下記のメッセージを"}, {3, "ブロック入力文字列を"}})},
      {"MSG_INFO", When(Text("MSG", "メッセージ", FieldKind::MultilineText), "KIND_INFO", {2})},
      {"MSG_VERIFY_PLAN", Fixed("KIND_VERIFY", "3")},
      {"MSG_INFO_PLAN", Fixed("KIND_INFO", "1")},
      {"PLAN_HENSU_SET", Choice("KIND_IN", "設定する値",
                                {{1, "ブロック入力文字列を"}, {2, "下記の文字列を"}, {6, "実行時に1行だけ取得して"},
                                 {3, "実行時に複数行取得して"}, {7, "実行時に値の変更をして"},
                                 {9, "実行時に開くファイル名を取得して"}, {10, "実行時に保存ファイル名を取得して"},
                                 {8, "実行時にフォルダ名を取得して"}})},
      {"PLAN_HENSU_SET", Choice("KIND_PLANHENSU", "プラン変数", Variables(Codes(101, 120)))},
      {"PLAN_HENSU_SET", Choice("KIND_ADR", "格納方法",
                                {{3, "に格納する"}, {14, "の先頭に挿入"}, {15, "の末尾に挿入"},
                                 {16, "の末尾に挿入（改行付加）"}})},
      {"PLAN_HENSU_SET", When(Text("DATAIN", "文字列", FieldKind::MultilineText), "KIND_IN", {2})},
      {"PLAN_HENSU_SET", When(Text("MIDASHI", "見出し"), "KIND_IN", {6, 3, 7, 9, 10, 8})},
      {"PLAN_COUNTER_SET", Choice("KIND_PLANHENSU", "カウンター", Variables(Codes(201, 219)))},
      {"PLAN_COUNTER_SET", [] {
         Choices operand = {{1, "下記の数値"}};
         for (FieldChoice& c : Variables(kNumberVariables)) operand.push_back(std::move(c));
         return Choice("KIND_AITE", "演算する値", std::move(operand));
       }()},
      {"PLAN_COUNTER_SET", When(Number("DATANUM", "数値", "0", -999999999, 999999999), "KIND_AITE", {1})},
      {"CONDITION_K1", Choice("KIND_ADR", "判定する箇所", kStringTest)},
      {"CONDITION_K1", Choice("KIND_COND", "判定", kMatchOrNot)},
      {"CONDITION_K1", When(Number("IDX_CN", "桁", "1", 1, 512000), "KIND_ADR", kPositionedStringTests)},
      {"CONDITION_K2", Choice("KIND_KETA", "単位", {{1, "文字数"}, {2, "文字数(半角換算)"}})},
      {"CONDITION_K2", Choice("KIND_COND", "判定", kCompare)},
      {"CONDITION_K3", Choice("KIND_COND", "判定",
                              {{1, "行目である"}, {2, "行目ではない"}, {3, "行目より大きい"}, {4, "行目であるか大きい"},
                               {5, "行目より小さい"}, {6, "行目であるか小さい"}, {7, "最終行である"}})},
      {"CONDITION_K3", When(Number("DATANUM", "行", "1", 1, 10000), "KIND_COND", {1, 2, 3, 4, 5, 6})},
      {"CONDITION_K4", Choice("KIND_COND", "判定", kExists)},
      {"CONDITION_K5", Choice("KIND_COND", "判定", kExists)},
      {"CONDITION_K6", Choice("KIND_PLANHENSU", "プラン変数", Variables(kStringVariables))},
      {"CONDITION_K6", Choice("KIND_ADR", "判定する箇所", kStringTest)},
      {"CONDITION_K6", Choice("KIND_COND", "判定", kMatchOrNot)},
      {"CONDITION_K6", When(Number("IDX_CN", "桁", "1", 1, 512000), "KIND_ADR", kPositionedStringTests)},
      {"CONDITION_K7", Choice("KIND_PLANHENSU", "プラン変数", Variables(kNumberVariables))},
      {"CONDITION_K7", Choice("KIND_COND", "判定", kCompare)},
  };
}

FormRule Required(std::string_view element, std::string_view message, WhenCodes when = {}) {
  return {FormRule::Kind::Required, element, {}, std::move(when), message};
}

constexpr std::string_view kNoText = "文字列が入力されていません　";
constexpr std::string_view kNoSearchText =
    "文字列が入力されていません　\n「すべてが」の判定以外は文字列の入力が必須です　";

struct RuleRow {
  std::string_view tag;
  FormRule rule;
};

std::vector<RuleRow> MakeRules() {
  const std::vector<int> notAll = {8, 4, 5, 6, 7, 10, 11, 12, 13};
  return {
      {"CHANGE", Required("DATASR", "検索の文字列が入力されていません　")},
      {"INSERT", Required("DATAIN", kNoText)},
      {"OUT_STACK", Required("DATAIN", kNoText, {"KIND_IN", {2}})},
      {"CONDITION_K1", Required("DATASR", kNoSearchText, {"KIND_ADR", notAll})},
      {"CONDITION_K6", Required("DATASR", kNoSearchText, {"KIND_ADR", notAll})},
      {"CUTTING", Required("DATA_S", "切り出し開始位置の文字列が入力されていません　", {"KIND_CUT_S", {1, 2, 8}})},
      {"CUTTING", Required("DATA_E", "切り出し終了位置の文字列が入力されていません　", {"KIND_CUT_E", {1, 2}})},
      {"INSERT_FILE", {FormRule::Kind::NotAfter, "IDX_START", "IDX_END", {"KIND_INFILE", {2}},
                       "開始行が終了行より大きくなっています　"}},
      {"WEB_STARTING", Required("DATAURL", "アドレスが設定されていません　", {"KIND_IN", {2}})},
  };
}

}  // namespace

const FormField* ElementField(std::string_view element) {
  static const std::map<std::string_view, FormField> fields = MakeElementFields();
  auto found = fields.find(element);
  return found == fields.end() ? nullptr : &found->second;
}

const FormField* KindField(std::string_view tag, std::string_view element) {
  static const std::vector<KindFieldRow> rows = MakeKindFields();
  auto found = std::find_if(rows.begin(), rows.end(), [&](const KindFieldRow& row) {
    return row.tag == tag && row.field.element == element;
  });
  return found == rows.end() ? nullptr : &found->field;
}

bool WithoutSettings(std::string_view tag) {
  static constexpr std::string_view kTags[] = {"LINE",     "LINE_DELETE",     "LINE_NEXT",
                                               "ESCAPE",   "SAME_DELETE_LINE", "LOOPOUT",
                                               "MSG_VERIFY_PLAN", "MSG_INFO_PLAN", "ACTWIN_DSP"};
  return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

std::vector<FormRule> Rules(std::string_view tag) {
  static const std::vector<RuleRow> rows = MakeRules();
  std::vector<FormRule> rules;
  for (const RuleRow& row : rows) {
    if (row.tag == tag) rules.push_back(row.rule);
  }
  return rules;
}

}  // namespace qb::form_tables
