#include "app/shell/status_bar_model.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Panes = std::vector<StatusPane>;

StatusInput Editor(std::string title) {
  StatusInput input;
  input.hasWorkingWindow = true;
  input.workingTitle = std::move(title);
  input.rowCount = 7;
  input.tabMaximum = 300;
  return input;
}

TEST(StatusBarTest, WorkingDocumentPaneShowsTheTitleThePlanOrNoLink) {
  StatusInput input = Editor("メモ帳");
  input.shortDisplay = true;
  EXPECT_EQ(WorkingDocumentPaneText(input), "メモ帳");
  input.hasWorkingWindow = false;
  EXPECT_EQ(WorkingDocumentPaneText(input), "：連携なし");
  input.plan = PlanActivity::kEditing;
  EXPECT_EQ(WorkingDocumentPaneText(input), "《《 プラン編集中 》》");

  std::string longTitle;
  for (int i = 0; i < 250; ++i) longTitle += i % 2 ? "a" : "表";  // 表 ends in byte 0x5C
  EXPECT_EQ(WorkingDocumentPaneText(Editor(longTitle)),
            "作業中文書：" + longTitle.substr(0, 300));  // 200 characters are 300 bytes
}

TEST(StatusBarTest, SizePaneSwitchesToKilobytesAtFiveThousandOneHundredTwentyOneBytes) {
  EXPECT_EQ(SizePaneText(std::nullopt), "           ");
  EXPECT_EQ(SizePaneText(5120), "5120        ");
  EXPECT_EQ(SizePaneText(5121), "  5K        ");
  EXPECT_EQ(SizePaneText(512000), "500K        ");
}

TEST(StatusBarTest, OnlyChangedTextsAndTipsAreReported) {
  StatusBarModel bar;
  EXPECT_EQ(bar.pane(StatusPane::kSize).tip, "値のサイズ(バイト)");
  StatusInput input = Editor("メモ帳");
  StatusBarChanges first = bar.update(input);
  EXPECT_EQ(first.texts, (Panes{StatusPane::kWorkingDocument, StatusPane::kCount}));
  EXPECT_EQ(first.tips, (Panes{StatusPane::kSize, StatusPane::kCount}));
  EXPECT_EQ(bar.pane(StatusPane::kCount).text, "   7        ");
  EXPECT_EQ(bar.pane(StatusPane::kCount).tip, "「履歴」の行数（最大格納数300）");
  EXPECT_EQ(bar.pane(StatusPane::kSize).tip, "値のサイズ(最大500KB)");
  EXPECT_TRUE(bar.update(input).empty());

  input.selectedBytes = 12;
  input.partialSelection = true;
  StatusBarChanges second = bar.update(input);
  EXPECT_EQ(second.texts, (Panes{StatusPane::kSize, StatusPane::kPartial}));
  EXPECT_TRUE(second.tips.empty());

  input.tab = TabKind::kOpen;  // same count, other tips
  StatusBarChanges third = bar.update(input);
  EXPECT_TRUE(third.texts.empty());
  EXPECT_EQ(third.tips, (Panes{StatusPane::kSize, StatusPane::kCount}));
  EXPECT_EQ(bar.pane(StatusPane::kCount).tip, "「公開」の行数");
  EXPECT_EQ(bar.pane(StatusPane::kSize).tip, "値のサイズ(最大8KB)");
}

}  // namespace
}  // namespace qb
