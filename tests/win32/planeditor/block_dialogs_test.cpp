// The settings dialogs of the plan editor's blocks on a real owner window: fields from the form,
// OK's refusals keeping the dialog open, the confirmation of a block without settings, and the
// condition block's list with "条件種類選択".
#include <gtest/gtest.h>

#include "planlib/editor/block_forms.h"
#include "planlib/editor/path_check.h"
#include "planlib/win32/editor/block_dialogs.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "tests/support/ui_expect.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;
using test::DialogDriver;

class BlockDialogTest : public test::DialogTest {
 protected:
  std::optional<std::string> run(std::string_view tag, DialogDriver::Script script) {
    BlockDialogModel model(*FindBlockForm(tag));
    return drive(std::move(script), [&] { return RunBlockDialog(owner(), ui_, L"", model); });
  }
  // The index of an element among the form's fields.
  static int field(std::string_view tag, std::string_view element) {
    const ElementForm& form = *FindBlockForm(tag);
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
      if (form.fields[i].element == element) return static_cast<int>(i);
    }
    return -1;
  }
  std::size_t boxCount() const { return ui_.boxes().size(); }
};

int ListCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

TEST_F(BlockDialogTest, InsertShowsItsFieldsRefusesAnEmptyStringAndWritesTheBlock) {
  const int text = field("INSERT", "DATAIN");
  const int position = field("INSERT", "KIND_ADR");
  const int column = field("INSERT", "IDX_IN");
  const std::optional<std::string> block = run("INSERT", [&](DialogDriver& d) {
    if (!d.waitForDialog(L"操作ブロック [単純挿入]")) return;
    d.expectText(kFieldFirst + text * kFieldStride, L"文字列");
    d.expectText(IDCANCEL, L"ｷｬﾝｾﾙ");
    d.expect(!d.enabled(FieldControl(column)), "the column waits for a position by column");
    d.click(IDOK);
    d.expect(boxCount() == 1 && IsWindowVisible(d.dialog()), "an empty string is refused, the dialog stays");
    d.setText(FieldControl(text), L"<@@X");
    d.click(IDOK);
    d.expect(boxCount() == 2 && IsWindowVisible(d.dialog()), "the reserved word is refused");
    d.setText(FieldControl(text), L"「");
    SendMessageW(d.item(FieldControl(position)), CB_SETCURSEL, 2, 0);  // 指定した桁に
    d.command(FieldControl(position), CBN_SELCHANGE);
    d.expect(d.enabled(FieldControl(column)), "the column counts for a position by column");
    d.setText(FieldControl(column), L"3");
    d.expect(d.text(kFormDescription).find(L"「") != std::wstring::npos, "the description follows the fields");
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_EQ(ui_.boxes().size(), 2u);
  EXPECT_EQ(ui_.boxes()[0].text, "文字列が入力されていません　");
  EXPECT_EQ(ui_.boxes()[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui_.boxes()[1].text, "<@@ は予約語のため入力禁止です　");
  ASSERT_TRUE(block.has_value());
  EXPECT_NE(block->find("<@@KIND_ADR>6<@@/KIND_ADR>"), std::string::npos) << *block;
  EXPECT_NE(block->find("<@@IDX_IN>3<@@/IDX_IN>"), std::string::npos) << *block;
  EXPECT_NE(block->find("<@@DATAIN>「<@@/DATAIN>"), std::string::npos) << *block;
}

TEST_F(BlockDialogTest, CancelAndABlockWithoutSettingsConfirmOnly) {
  EXPECT_FALSE(run("INSERT", [](DialogDriver& d) {
    if (d.waitForDialog(L"操作ブロック [単純挿入]")) d.click(IDCANCEL);
    d.waitClosed();
  }));
  const std::optional<std::string> line = run("LINE", [](DialogDriver& d) {
    if (!d.waitForDialog(L"操作ブロック [行単位]")) return;
    d.expect(d.text(kFormSummary).starts_with(L"【行単位】"), "the block's summary is shown");
    d.expect(d.item(FieldControl(0)) == nullptr, "no fields");
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_TRUE(line.has_value());
  EXPECT_TRUE(line->starts_with("<@@LINE>")) << *line;
  ExpectUiScriptFinished(ui_);
}

TEST_F(BlockDialogTest, APathFieldIsCheckedWhenTheDialogCloses) {
  const int path = field("INSERT_FILE", "FILE_PATH");
  const std::optional<std::string> block = run("INSERT_FILE", [&](DialogDriver& d) {
    if (!d.waitForDialog(L"操作ブロック [ファイル読み込み]")) return;
    d.expectText(FieldBrowse(path), L"参照...");
    d.click(IDOK);
    d.setText(FieldControl(path), L"data.txt");
    d.click(IDOK);
    d.setText(FieldControl(path), L"C:\\data\\表.txt");
    d.click(IDOK);
    d.waitClosed();
  });
  const FieldKind kind = FindBlockForm("INSERT_FILE")->fields[static_cast<std::size_t>(path)].kind;
  ASSERT_EQ(ui_.boxes().size(), 2u);
  EXPECT_EQ(ui_.boxes()[0].text, "ファイルが指定されていません　");
  EXPECT_EQ(ui_.boxes()[1].text, CheckPath(kind, "data.txt"));
  ASSERT_TRUE(block.has_value());
  EXPECT_NE(block->find("<@@FILE_PATH>C:\\data\\表.txt<@@/FILE_PATH>"), std::string::npos) << *block;
}

TEST_F(BlockDialogTest, TheConditionListAddsThroughTheKindChoiceChangesAndDeletes) {
  const std::optional<std::string> block = run("CONDITION", [&](DialogDriver& d) {
    HWND condition = d.waitForDialog(L"操作ブロック [条件]");
    if (condition == nullptr) return;
    d.click(IDOK);
    d.click(kConditionChange);
    d.click(kConditionDelete);
    d.expect(boxCount() == 3, "an empty list refuses OK, change and delete");
    for (int round = 0; round < 2; ++round) {
      d.useDialog(condition);
      d.post(kConditionAdd, BN_CLICKED);
      if (!d.waitForDialog(L"条件種類選択")) return;
      d.expectText(kConditionKindHeading, L"条件の種類を選んでください。");
      d.expect(ListCount(d.item(kConditionKindList)) == 7, "seven kinds");
      SendMessageW(d.item(kConditionKindList), LB_SETCURSEL, 1, 0);  // サイズ判定...
      d.click(IDOK);
      if (!d.waitForDialog(L"サイズ判定")) return;
      d.click(IDOK);
      d.waitClosed();
    }
    d.useDialog(condition);
    d.waitUntil([&] { return ListCount(d.item(kConditionList)) == 2; }, "two conditions are listed");
    SendMessageW(d.item(kConditionList), LB_SETCURSEL, 0, 0);
    d.click(kConditionDelete);
    d.expect(ListCount(d.item(kConditionList)) == 1, "the selected condition is deleted");
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_EQ(ui_.boxes().size(), 3u);
  EXPECT_EQ(ui_.boxes()[0].text, "条件が存在しません　");
  EXPECT_EQ(ui_.boxes()[1].text, "変更する対象を選択してください　");
  EXPECT_EQ(ui_.boxes()[2].text, "削除する対象を選択してください　");
  ASSERT_TRUE(block.has_value());
  EXPECT_NE(block->find("<@@CONDITION_K2>"), std::string::npos) << *block;
  EXPECT_EQ(block->find("<@@CONDITION_K2>"), block->rfind("<@@CONDITION_K2>")) << *block;
}

}  // namespace
}  // namespace qb
