// The editor window on a real owner: a plan built from a basic pattern and a block added inside
// its LINE through the depth, block and settings dialogs; the list's rows following the window's
// height.
#include <gtest/gtest.h>

#include "planlib/editor/block_catalog.h"
#include "planlib/editor/editor_messages.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "planlib/win32/editor/plan_editor_window.h"
#include "platform/fake/fake_clock.h"
#include "tests/support/ui_expect.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;
using test::DialogDriver;

const std::wstring kCaption = L"テスト [プラン編集]";

int Count(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

std::wstring Row(HWND list, int row) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

int RowContaining(HWND list, const std::wstring& part) {
  for (int i = 0; i < Count(list); ++i) {
    if (Row(list, i).find(part) != std::wstring::npos) return i;
  }
  return -1;
}

void Choose(DialogDriver& d, int list, int index, int notice = LBN_SELCHANGE) {
  SendMessageW(d.item(list), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  d.command(list, notice);
}

int CategoryIndex(std::string_view category) {
  const auto& categories = BlockCategories();
  return static_cast<int>(std::find(categories.begin(), categories.end(), category) - categories.begin());
}

class PlanEditorWindowTest : public test::DialogTest {
 protected:
  PlanEditorOutcome run(DialogDriver::Script script, std::string_view text = "") {
    PlanEditModel model;
    EXPECT_TRUE(model.open(text).ok);
    PlanEditorSetup setup{"テスト", L"", "user1", "C:\\host", false, {}, {}};
    return drive(std::move(script), [&] { return RunPlanEditor(owner(), ui_, clock_, setup, model); });
  }
  FakeClock clock_;
};

TEST_F(PlanEditorWindowTest, APatternAndABlockInsideItsLineMakeThePlanThatOkHandsBack) {
  const PlanEditorOutcome outcome = run([](DialogDriver& d) {
    HWND editor = d.waitForDialog(kCaption);
    if (editor == nullptr) return;
    d.expectText(kNameCaption, L"プラン名　  ：");
    d.expectText(kAddBlock, L"操作ブロックの新規追加");
    d.expectText(kOptions, L"オプション設定...");
    d.post(kPatterns, BN_CLICKED);
    if (!d.waitForDialog(L"基本パターン選択")) return;
    d.expect(Row(d.item(kChoiceList), 1) == L"プラン呼び出し専用（行単位）", "the second pattern");
    Choose(d, kChoiceList, 1);
    d.click(IDOK);
    d.waitClosed();
    d.useDialog(editor);
    HWND list = d.item(kBlockList);
    const int line = RowContaining(list, L"【行単位】");
    d.expect(line >= 0, "the pattern's LINE is listed");
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    d.post(kRowMenuFirst + 1, 0);  // 下に操作ブロックを追加
    if (!d.waitForDialog(L"階層指定")) return;
    Choose(d, kChoiceList, Count(d.item(kChoiceList)) - 1);  // one level below the LINE
    d.click(IDOK);
    if (!d.waitForDialog(L"操作ブロック選択")) return;
    Choose(d, kBlockCategories, CategoryIndex("挿入"));
    const auto blocks = BlocksOfCategory("挿入");
    const auto insert = std::find_if(blocks.begin(), blocks.end(), [](auto* e) { return e->tag == "INSERT"; });
    Choose(d, kChoiceList, static_cast<int>(insert - blocks.begin()));
    d.expect(d.text(kBlockSummary).starts_with(L"【単純挿入】"), "the block's summary");
    d.click(IDOK);
    if (!d.waitForDialog(L"操作ブロック [単純挿入]")) return;
    d.setText(FieldControl(3), L"「");
    d.click(IDOK);
    d.useDialog(editor);
    d.waitUntil([&] { return Count(list) == 0 || RowContaining(list, L"「") == line + 1; }, "the block below the LINE");
    d.expect(Row(list, line + 1).starts_with(Row(list, line).substr(0, Row(list, line).find(L"【")) + L"　　"),
             "indented one level deeper");
    d.setText(kName, L"行頭括弧");
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_TRUE(outcome.plan.has_value());
  EXPECT_EQ(outcome.plan->name, "行頭括弧");
  EXPECT_EQ(outcome.plan->version, "V1.20");
  EXPECT_NE(outcome.plan->text.find("<@@LINE><@@LINEME><@@/LINEME><@@INSERT>"), std::string::npos) << outcome.plan->text;
  EXPECT_FALSE(outcome.maximized);
  ExpectUiScriptFinished(ui_);
}

TEST_F(PlanEditorWindowTest, TheListShowsSixToEighteenRowsAsTheWindowGrows) {
  ui_.expectAnswer(MessageAnswer::kYes);
  const PlanEditorOutcome outcome = run([](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    HWND list = d.item(kBlockList);
    auto rows = [&] {
      RECT area{};
      GetClientRect(list, &area);
      return area.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    };
    SetWindowPos(d.dialog(), nullptr, 0, 0, 700, 120, SWP_NOMOVE | SWP_NOZORDER);
    d.expect(rows() == 6, "six rows at the smallest");
    SetWindowPos(d.dialog(), nullptr, 0, 0, 700, 1400, SWP_NOMOVE | SWP_NOZORDER);
    d.expect(rows() == 18, "eighteen rows at the largest");
    d.post(IDCANCEL, BN_CLICKED);
    d.waitClosed();
  });
  EXPECT_TRUE(outcome.maximized);
}

}  // namespace
}  // namespace qb
