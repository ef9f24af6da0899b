// The settings dialogs as data: fields from the block-kind table, reading and writing a block's
// text, descriptions and OK's checks.
#include <gtest/gtest.h>

#include "planlib/editor/block_dialog_model.h"
#include "planlib/editor/block_forms.h"
#include "planlib/editor/editor_messages.h"
#include "planlib/editor/plan_edit_model.h"
#include "planlib/engine/block_description.h"
#include "planlib/engine/block_kinds.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

// Every shown field at a value other than its default.
BlockValues OtherValues(const ElementForm& form) {
  BlockValues values = DefaultValues(form);
  for (const FormField& field : form.fields) {
    std::string& value = values[std::string(field.element)];
    switch (field.kind) {
      case FieldKind::Text:
      case FieldKind::MultilineText:
        value = "値\r\n:::<$作業用01>";
        break;
      case FieldKind::Number:
        value = "7";
        break;
      case FieldKind::Choice:
        value = std::to_string(field.choices.back().code);
        break;
      case FieldKind::Check:
        value = value == "1" ? "0" : "1";
        break;
      case FieldKind::OpenFilePath:
      case FieldKind::SaveFilePath:
      case FieldKind::ApplicationPath:
        value = "C:\\表\\ソフト.txt";
        break;
      case FieldKind::FolderPath:
        value = "<$データホームフォルダ>\\出力";
        break;
      default:
        break;
    }
  }
  return values;
}

// Writes the values as a block, parses it as the editor does, reads it back.
void ExpectRoundTrip(const ElementForm& form, const BlockValues& values, std::string_view conditions) {
  SCOPED_TRACE(std::string(form.tag));
  std::string text = WriteForm(form, values, conditions);
  BlockGroup group;
  ASSERT_TRUE(ReadBlockGroup(text, group));
  ASSERT_EQ(group.rows.size(), 1u);
  FormReading reading = ReadForm(form, group.rows[0].row.value);
  ASSERT_TRUE(reading.ok) << reading.message;
  EXPECT_EQ(WriteForm(form, reading.values, conditions), text);
  for (const FormField& field : form.fields) {
    if (field.kind == FieldKind::Fixed || field.kind == FieldKind::SameAs) continue;
    EXPECT_EQ(reading.values[std::string(field.element)], values.at(std::string(field.element))) << field.element;
  }
  EXPECT_EQ(DescribeBlock(group.rows[0].row).find("説明作成ERROR"), std::string::npos);
}

std::string SizeCondition() { return ConditionK2(1, 1, 0); }

TEST(BlockFormsTable, EveryKindHasAFormWithItsElementsInOrder) {
  ASSERT_EQ(BlockForms().size(), BlockKinds().size());
  std::vector<std::string_view> withoutSettings;
  for (std::size_t i = 0; i < BlockKinds().size(); ++i) {
    const BlockKind& kind = BlockKinds()[i];
    const ElementForm& form = BlockForms()[i];
    EXPECT_EQ(form.title, "操作ブロック [" + std::string(kind.displayName) + "]");
    ASSERT_EQ(form.fields.size(), kind.elements.size());
    for (std::size_t e = 0; e < kind.elements.size(); ++e) {
      const FormField& field = form.fields[e];
      EXPECT_EQ(field.element, kind.elements[e]);
      // Every shown element is described by the tables, not by its bare name.
      if (field.kind != FieldKind::Fixed && field.kind != FieldKind::SameAs && field.kind != FieldKind::Hidden) {
        EXPECT_NE(field.label, field.element) << kind.tag;
      }
      if (field.kind == FieldKind::Choice) {
        EXPECT_FALSE(field.choices.empty()) << kind.tag << field.element;
      }
    }
    if (!form.hasSettings) withoutSettings.push_back(form.tag);
  }
  EXPECT_EQ(withoutSettings, (std::vector<std::string_view>{"SAME_DELETE_LINE", "LINE", "LINE_NEXT", "LINE_DELETE",
                                                            "MSG_VERIFY_PLAN", "MSG_INFO_PLAN", "ACTWIN_DSP",
                                                            "ESCAPE", "LOOPOUT"}));
  EXPECT_EQ(FindBlockForm("INSERT")->title, "操作ブロック [単純挿入]");
  ASSERT_EQ(ConditionForms().size(), 7u);
  EXPECT_EQ(FindConditionForm(6)->title, "プラン文字列変数判定");
}

TEST(BlockFormsValues, EveryKindRoundTripsItsDefaultsAndOtherValues) {
  for (const ElementForm& form : BlockForms()) {
    std::string conditions = form.conditionList ? SizeCondition() : "";
    ExpectRoundTrip(form, DefaultValues(form), conditions);
    ExpectRoundTrip(form, OtherValues(form), conditions);
  }
}

TEST(BlockFormsValues, EveryConditionKindRoundTripsInsideAConditionBlock) {
  const ElementForm& block = *FindBlockForm("CONDITION");
  for (const ElementForm& form : ConditionForms()) {
    ExpectRoundTrip(block, DefaultValues(block), WriteForm(form, DefaultValues(form)));
    ExpectRoundTrip(block, DefaultValues(block), WriteForm(form, OtherValues(form)));
  }
}

TEST(BlockFormsValues, HiddenValuesOfABlockWithoutSettingsAreKeptAndFixedOnesAreWritten) {
  const ElementForm& notice = *FindBlockForm("MSG_INFO_PLAN");
  std::string text = Block("MSG_INFO_PLAN", {{"KIND_INFO", "2"}, {"DSP_TIME", "30"}, {"MSG", ""},
                                             {"TXCOLOR_R", "1"}, {"TXCOLOR_G", "2"}, {"TXCOLOR_B", "3"},
                                             {"BKCOLOR_R", "4"}, {"BKCOLOR_G", "5"}, {"BKCOLOR_B", "6"}});
  FormReading reading = ReadForm(notice, text);
  ASSERT_TRUE(reading.ok);
  EXPECT_EQ(WriteForm(notice, reading.values), text);
  EXPECT_EQ(DefaultValues(notice).at("KIND_INFO"), "1");
  // The search of a replace is always written as on, and the starting kind follows the source.
  BlockValues change = DefaultValues(*FindBlockForm("CHANGE"));
  change["KIND_FIND"] = "0";
  EXPECT_NE(WriteForm(*FindBlockForm("CHANGE"), change).find("<@@KIND_FIND>1<@@/KIND_FIND>"), std::string::npos);
  BlockValues web = DefaultValues(*FindBlockForm("WEB_STARTING"));
  web["KIND_IN"] = "2";
  EXPECT_EQ(WriteForm(*FindBlockForm("WEB_STARTING"), web),
            Block("WEB_STARTING", {{"KIND_STARTING", "2"}, {"KIND_IN", "2"}, {"DATAURL", ""}}));
}

TEST(BlockFormsValues, AMissingElementGivesTheAnalysisMessageOfTheClass) {
  EXPECT_EQ(ReadForm(*FindBlockForm("LOOP"), "<@@LOOPME><@@/LOOPME>").message,
            "操作ブロック解析中にエラーが発生しました（CLoop::m_BlockSet）　");
  EXPECT_EQ(ReadForm(*FindBlockForm("DSP_SELECT"), Block("DSP_SELECT", {{"MIDASHI", ""}})).message,
            "操作ブロック解析中にエラーが発生しました（CDspSelect::m_DspSelect）　");
  EXPECT_EQ(ReadForm(*FindConditionForm(2), "<@@CONDITION_K2><@@/CONDITION_K2>").message,
            "操作ブロック解析中にエラーが発生しました（CConditionK2::m_BlockSet）　");
}

struct DescribedSample {
  std::string_view tag;
  std::vector<std::pair<std::string, std::string>> values;
  std::string_view described;
};

TEST(BlockFormsDescription, TheDescriptionOfEveryKindFollowsItsSettings) {
  for (const ElementForm& form : BlockForms()) {
    std::string conditions = form.conditionList ? SizeCondition() : "";
    std::string described = DescribeForm(form, DefaultValues(form), conditions);
    EXPECT_TRUE(described.starts_with("【" + std::string(FindBlockKind(form.tag)->displayName) + "】")) << described;
    EXPECT_EQ(described.find("？"), std::string::npos) << form.tag << " " << described;
  }
  const DescribedSample samples[] = {
      {"CHANGE", {{"DATASR", "HELLO"}, {"DATATK", "GOOD"}}, "【文字指定置換】「HELLO」を「GOOD」に全て置換する"},
      {"INSERT", {{"KIND_ADR", "6"}, {"IDX_IN", "3"}, {"DATAIN", "x"}}, "【単純挿入】3文字目に「x」 を挿入する"},
      {"DELETE_POSI", {{"KIND_ADR", "17"}, {"LEN", "2"}}, "【位置指定削除】末尾から 2 文字を削除する"},
      {"CUTTING", {{"KIND_CUT_S", "2"}, {"DATA_S", "："}, {"KIND_CUT_E", "3"}},
       "【切り出し】「：」の後ろから末尾までを切り出して配下を実行"},
      {"CUTTING", {{"KIND_CUT_S", "4"}, {"IDX_CN_S", "3"}, {"KIND_CUT_E", "6"}, {"LEN", "5"}},
       "【切り出し】3文字目から5文字を切り出して配下を実行"},
      {"CUTTING", {{"KIND_CUT_S", "8"}, {"DATA_S", "-"}, {"KIND_CUT_E", "2"}, {"DATA_E", "t"}, {"KIND_KMS_E", "2"}},
       "【切り出し】連続する「-」の終了直後からタブの前までを切り出して配下を実行"},
      {"DIVISION_LINE", {{"LEN", "10"}}, "【行分割】10 文字毎に分割する"},
      {"SORT_LINE", {{"KIND_SORT", "2"}}, "【行並び替え】1 文字目からの文字列で降順に並び替える"},
      {"LOOP", {{"LOOP_COUNT", "4"}}, "【ループ】4回、配下の処理を実行する"},
      {"SLEEP", {{"STOP_TIME", "5"}}, "【指定時間停止】プランの実行を500ミリ秒の間一時停止する"},
      {"DSP_SELECT", {{"BTN_COUNT", "3"}}, "【選択画面】選択画面（ボタン数：3）を表示する"},
      {"CREATE_FILE", {{"FILE_PATH", "C:\\a.txt"}}, "【ファイルの作成】ファイル≪C:\\a.txt≫を作成する"},
      {"COMMENT", {{"DATAIN", "説明"}, {"COMMENT_FLG", "1"}}, "【要約】説明       ［ 配下はコメント扱い ］"},
      {"DSP_STRING", {{"KIND_VALID", "0"}}, "【文字列表示】　　[無効]"},
      {"PLAN_COUNTER_SET", {{"KIND_PLANHENSU", "203"}}, "【プラン変数（カウンター）設定】<$カウンター03> を設定する"},
      {"SAME_DELETE_LINE", {}, "【同一行削除】重複する行を削除する"},
  };
  for (const DescribedSample& sample : samples) {
    const ElementForm& form = *FindBlockForm(sample.tag);
    BlockValues values = DefaultValues(form);
    for (const auto& [name, value] : sample.values) values[name] = value;
    EXPECT_EQ(DescribeForm(form, values), sample.described);
  }
  BlockValues negated = DefaultValues(*FindBlockForm("CONDITION"));
  negated["ALL_NOT"] = "1";
  negated["OPERATION"] = "2";
  EXPECT_EQ(DescribeForm(*FindBlockForm("CONDITION"), negated, SizeCondition() + ConditionK3(7, 0)),
            "【条件】サイズ判定：文字数が0である　　または...行位置判定：最終行である"
            "       ［ 条件が不一致の場合に配下を実行 ］");
}

TEST(BlockDialog, AnExistingBlockOpensWithItsValuesAndOkWritesItBack) {
  PlanEditModel model;
  ASSERT_TRUE(model.addAtEnd(Loop("2", ""), 0).ok);
  ASSERT_TRUE(model.addAtEnd(Insert(5, "x"), 1).ok);
  std::string message;
  std::optional<BlockDialogModel> dialog = BlockDialogModel::ForRow(model.plan().m_Blocks()[0], message);
  ASSERT_TRUE(dialog.has_value()) << message;
  EXPECT_EQ(dialog->form().title, "操作ブロック [ループ]");
  EXPECT_EQ(dialog->values().at("LOOP_COUNT"), "2");
  dialog->setValue("LOOP_COUNT", "9");
  EXPECT_EQ(dialog->description(), "【ループ】9回、配下の処理を実行する");
  std::string text;
  ASSERT_TRUE(dialog->accept(text).ok);
  ASSERT_TRUE(model.changeBlock(0, text).ok);
  EXPECT_EQ(model.listRows()[0].text, "【ループ】9回、配下の処理を実行する");
  EXPECT_EQ(model.plan().m_Blocks()[0].descendants, 1);

  PlanRow broken{"<@@LOOP>", "<@@LOOPME><@@/LOOPME>", "<@@/LOOP>", {}, 0, 0};
  EXPECT_FALSE(BlockDialogModel::ForRow(broken, message).has_value());
  EXPECT_EQ(message, "操作ブロック解析中にエラーが発生しました（CLoop::m_BlockSet）　");
}

TEST(BlockDialog, ANewConditionBlockNeedsAConditionAndPassesItsFieldChecksFirst) {
  BlockDialogModel dialog(*FindBlockForm("CONDITION"));
  std::string text;
  EXPECT_EQ(dialog.accept(text).message, "条件が存在しません　");
  ASSERT_TRUE(dialog.conditions().add({2, DefaultValues(*FindConditionForm(2))}).ok);
  ASSERT_TRUE(dialog.accept(text).ok);
  PlanEditModel model;
  ASSERT_TRUE(model.addAtEnd(text, 0).ok);
  EXPECT_EQ(model.listRows()[0].text, "【条件】サイズ判定：文字数が0である");
  BlockDialogModel insert(*FindBlockForm("INSERT"));
  insert.setValue("DATAIN", "<@@");
  EXPECT_EQ(insert.accept(text).message, editor_text::kReservedWord);
}

}  // namespace
}  // namespace qb
