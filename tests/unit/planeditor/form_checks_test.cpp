// OK of the settings dialogs: the reserved word, the rules of each kind, path fields, drops and
// the condition list.
#include <gtest/gtest.h>

#include "planlib/editor/block_forms.h"
#include "planlib/editor/condition_list.h"
#include "planlib/editor/editor_messages.h"
#include "planlib/editor/path_check.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

// OK's message for a block kind with its defaults changed by `changes`; empty when accepted.
std::string CheckBlock(std::string_view tag, const BlockValues& changes) {
  const ElementForm& form = *FindBlockForm(tag);
  BlockValues values = DefaultValues(form);
  for (const auto& [name, value] : changes) values[name] = value;
  return CheckForm(form, values).message;
}
std::string CheckCondition(int number, const BlockValues& changes) {
  const ElementForm& form = *FindConditionForm(number);
  BlockValues values = DefaultValues(form);
  for (const auto& [name, value] : changes) values[name] = value;
  return CheckForm(form, values).message;
}

TEST(FormChecks, RequiredTextsAreAskedForOnlyWhereTheyAreUsed) {
  EXPECT_EQ(CheckBlock("CHANGE", {}), "検索の文字列が入力されていません　");
  EXPECT_EQ(CheckBlock("CHANGE", {{"DATASR", "a"}}), "");  // the replacement may be empty
  EXPECT_EQ(CheckBlock("INSERT", {}), "文字列が入力されていません　");
  EXPECT_EQ(CheckBlock("OUT_STACK", {{"KIND_IN", "2"}}), "文字列が入力されていません　");
  EXPECT_EQ(CheckBlock("OUT_STACK", {{"KIND_IN", "1"}}), "");
  const std::string noSearch = "文字列が入力されていません　\n「すべてが」の判定以外は文字列の入力が必須です　";
  EXPECT_EQ(CheckCondition(1, {}), noSearch);
  EXPECT_EQ(CheckCondition(6, {{"KIND_ADR", "12"}}), noSearch);
  EXPECT_EQ(CheckCondition(1, {{"KIND_ADR", "9"}}), "");  // "すべてが" an empty text
  EXPECT_EQ(CheckBlock("CUTTING", {{"KIND_CUT_S", "8"}}), "切り出し開始位置の文字列が入力されていません　");
  EXPECT_EQ(CheckBlock("CUTTING", {{"KIND_CUT_E", "2"}}), "切り出し終了位置の文字列が入力されていません　");
  EXPECT_EQ(CheckBlock("CUTTING", {{"KIND_CUT_S", "4"}, {"KIND_CUT_E", "6"}}), "");
  EXPECT_EQ(CheckBlock("WEB_STARTING", {{"KIND_IN", "2"}}), "アドレスが設定されていません　");
  EXPECT_EQ(CheckBlock("WEB_STARTING", {{"KIND_IN", "1"}}), "");
}

TEST(FormChecks, FileLinesMayNotStartAfterTheyEnd) {
  BlockValues lines = {{"KIND_INFILE", "2"}, {"IDX_START", "5"}, {"IDX_END", "4"}, {"FILE_PATH", "C:\\a.txt"}};
  EXPECT_EQ(CheckBlock("INSERT_FILE", lines), "開始行が終了行より大きくなっています　");
  lines["KIND_INFILE"] = "3";  // from a line to the last: the end is not used
  EXPECT_EQ(CheckBlock("INSERT_FILE", lines), "");
}

TEST(FormChecks, TheReservedWordIsRefusedInEveryTextFieldFirst) {
  EXPECT_EQ(CheckBlock("CHANGE", {{"DATATK", "a<@@b"}}), editor_text::kReservedWord);
  EXPECT_EQ(CheckBlock("CREATE_FOLDER", {{"FOLDER", "C:\\<@@"}}), editor_text::kReservedWord);
  EXPECT_EQ(CheckCondition(4, {{"FILE_PATH", "<@@"}}), editor_text::kReservedWord);
  EXPECT_EQ(CheckBlock("DSP_SELECT", {{"BTN_NAME12", "<@@"}}), editor_text::kReservedWord);
}

TEST(FormChecks, PathFieldsAreCheckedWhenTheyAreUsed) {
  EXPECT_EQ(CheckBlock("CREATE_FILE", {}), "ファイルが指定されていません　");
  EXPECT_EQ(CheckBlock("APL_STARTING", {}), "アプリケーションが指定されていません　");
  EXPECT_EQ(CheckBlock("CREATE_FOLDER", {}), "フォルダが指定されていません　");
  EXPECT_EQ(CheckCondition(5, {}), "フォルダが指定されていません　");
  EXPECT_EQ(CheckBlock("FILE_STARTING", {{"KIND_IN", "2"}}), "ファイルが指定されていません　");
  EXPECT_EQ(CheckBlock("FILE_STARTING", {{"KIND_IN", "1"}}), "");  // the working text is the file
}

TEST(PathCheck, AcceptedForms) {
  for (std::string_view path : {"C:\\a.txt", "c:\\フォルダ\\表.txt", "\\\\server\\share\\a.txt",
                                "<$データホームフォルダ>\\a.txt", "C:\\ソ\\能\\a b.txt", "C:\\a\\..\\b.txt"}) {
    EXPECT_EQ(CheckPath(FieldKind::OpenFilePath, path), "") << path;
  }
  for (std::string_view path : {"C:\\", "C:\\data\\", "\\\\server\\share", "<$データホームフォルダ>",
                                "<$データホームフォルダ>\\出力\\", "D:\\表"}) {
    EXPECT_EQ(CheckPath(FieldKind::FolderPath, path), "") << path;
  }
}

TEST(PathCheck, RefusedForms) {
  const std::string backslash = "\\ が適切な箇所に存在しません　";
  const std::string badPath = "パスが適切ではありません　";
  const std::string badName = "ファイル名に誤りがあります　";
  struct Case {
    FieldKind kind;
    std::string_view path;
    std::string message;
  };
  const Case cases[] = {
      {FieldKind::OpenFilePath, "C:a.txt", backslash},
      {FieldKind::OpenFilePath, "C:\\a\\\\b.txt", backslash},
      {FieldKind::OpenFilePath, "C:\\a\\", backslash},
      {FieldKind::SaveFilePath, "C:\\", backslash},
      {FieldKind::OpenFilePath, "\\\\server", backslash},
      {FieldKind::OpenFilePath, "\\\\\\server\\share\\a", backslash},
      {FieldKind::FolderPath, "<$データホームフォルダ>出力", backslash},
      {FieldKind::OpenFilePath, "a.txt", badPath},
      {FieldKind::OpenFilePath, "1:\\a.txt", badPath},
      {FieldKind::OpenFilePath, "<$作業用01>\\a.txt", "ファイル名またはパスに不正な文字（ * ? | < > ）が含まれています　"},
      {FieldKind::FolderPath, "C:\\a:b\\c", badPath},
      {FieldKind::OpenFilePath, "C:\\a\\b:c.txt", badName},
      {FieldKind::ApplicationPath, "C:\\a\\prog.", badName},
      {FieldKind::OpenFilePath, "C:\\a\\b\"c", badName},
      {FieldKind::OpenFilePath, "C:\\a*.txt", "ファイル名またはパスに不正な文字（ * ? | < > ）が含まれています　"},
      {FieldKind::ApplicationPath, "C:\\a|b.exe", "ファイル名またはパスに不正な文字（ * ? | < > ）が含まれています　"},
      {FieldKind::FolderPath, "C:\\a?", "フォルダに不正な文字（ * ? | < > ）が含まれています　"},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckPath(c.kind, c.path), c.message) << c.path;
}

TEST(PathCheck, DropsTakeOneItemOfTheRightKind) {
  DroppedItem file{"C:\\a.txt", false};
  DroppedItem folder{"C:\\data", true};
  EXPECT_EQ(TakeDrop(FieldKind::OpenFilePath, {file}).path, "C:\\a.txt");
  EXPECT_EQ(TakeDrop(FieldKind::OpenFilePath, {file, file}).message, "ドロップできるのは１ファイルです　");
  EXPECT_EQ(TakeDrop(FieldKind::SaveFilePath, {folder}).message, "ファイルを指定してください　");
  EXPECT_EQ(TakeDrop(FieldKind::FolderPath, {folder, folder}).message, "ドロップできるのは１フォルダです　");
  EXPECT_EQ(TakeDrop(FieldKind::FolderPath, {file}).message, "フォルダを指定してください　");
  EXPECT_EQ(TakeDrop(FieldKind::ApplicationPath, {file, folder}).message, "ドロップできるのは１つです　");
  EXPECT_TRUE(TakeDrop(FieldKind::FolderPath, {folder}).accepted);
}

TEST(ConditionListTest, SevenConditionsAtMostAndSelectionForChangeAndDelete) {
  ConditionList list;
  EXPECT_EQ(list.checkNotEmpty().message, "条件が存在しません　");
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(list.add({3, DefaultValues(*FindConditionForm(3))}).ok);
  EXPECT_EQ(list.add({3, DefaultValues(*FindConditionForm(3))}).message, "条件の数は最大 7 件です　");
  EXPECT_EQ(list.change(std::nullopt, {}).message, "変更する対象を選択してください　");
  EXPECT_EQ(list.remove(std::nullopt).message, "削除する対象を選択してください　");
  ASSERT_TRUE(list.remove(0).ok);
  EXPECT_EQ(list.entries().size(), 6u);
  // A new condition passes its own checks first.
  EXPECT_EQ(list.add({1, DefaultValues(*FindConditionForm(1))}).message,
            "文字列が入力されていません　\n「すべてが」の判定以外は文字列の入力が必須です　");
  EXPECT_TRUE(list.checkNotEmpty().ok);
}

TEST(ConditionListTest, AStringConditionNamesWhereItLooks) {
  ConditionList list;
  std::string message;
  ASSERT_TRUE(list.read(Condition(1, 0, ConditionK1(10, "x", 2, 3) + ConditionK1(9, "", 1, 0), ""), message))
      << message;
  EXPECT_EQ(list.describe(0), "文字列判定：3桁目以降に「x」でない");
  EXPECT_EQ(list.describe(1), "文字列判定：すべてが「」である");
}

TEST(ConditionListTest, ReadsChangesAndWritesTheConditionsInOrder) {
  std::string conditions = ConditionK1(4, "見出し") + ConditionK2(2, 3, 10) + ConditionK7(201, 1, 5);
  ConditionList list;
  std::string message;
  ASSERT_TRUE(list.read(Condition(1, 0, conditions, ""), message)) << message;
  ASSERT_EQ(list.entries().size(), 3u);
  EXPECT_EQ(list.text(), conditions);
  EXPECT_EQ(list.describe(0), "文字列判定：始まりが「見出し」である");
  EXPECT_EQ(list.describe(1), "サイズ判定：文字数(半角換算)が10より大きい");
  BlockValues changed = list.entries()[2].values;
  changed["DATANUM"] = "6";
  ASSERT_TRUE(list.change(2, changed).ok);
  EXPECT_EQ(list.describe(2), "プラン数値変数判定：<$カウンター01> が6である");
  EXPECT_FALSE(list.read("<@@CONDITIONME><@@CONDITION_K2><@@KIND_KETA>1<@@/KIND_KETA><@@/CONDITION_K2>"
                         "<@@/CONDITIONME>",
                         message));
  EXPECT_EQ(message, "操作ブロック解析中にエラーが発生しました（CConditionK2::m_BlockSet）　");
  ASSERT_EQ(ConditionKindChoices().size(), 7u);
  EXPECT_EQ(ConditionKindChoices()[3].label, "プラン文字列変数判定...");
  EXPECT_EQ(ConditionKindChoices()[3].number, 6);
}

}  // namespace
}  // namespace qb
