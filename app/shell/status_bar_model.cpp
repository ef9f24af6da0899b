#include "app/shell/status_bar_model.h"

#include <cstdio>
#include <string>
#include <utility>

#include "base/sjis.h"

namespace qb {
namespace {

constexpr const char* kPasteModeTip =
    "「作業中文書貼り付け」と「ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ」をCtrlｷｰで一時的に切り替え";
constexpr const char* kPartialTip = "Shiftｷｰ押下しながら選択で部分選択";
constexpr const char* kNoSelection = "           ";

std::string Printed(const char* format, long long value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string WithMaximum(const char* format, int maximum) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, maximum);
  return buffer;
}

}  // namespace

std::string WorkingDocumentPaneText(const StatusInput& input) {
  if (input.plan == PlanActivity::kRunning) return "《《 プラン実行中 》》";
  if (input.plan == PlanActivity::kEditing) return "《《 プラン編集中 》》";
  if (!input.hasWorkingWindow) return input.shortDisplay ? "：連携なし" : "作業中文書：連携なし";
  const std::string_view title = input.workingTitle;
  std::string shown(title.substr(0, SjisCharToByte(title, kStatusTitleCharacters)));
  return input.shortDisplay ? shown : "作業中文書：" + shown;
}

std::string PasteModePaneText(bool copyMode) { return copyMode ? "ｺﾋﾟｰ" : "貼付"; }

std::string SizePaneText(std::optional<std::size_t> selectedBytes) {
  if (!selectedBytes) return kNoSelection;
  const auto bytes = static_cast<long long>(*selectedBytes);
  if (*selectedBytes < kStatusSizeKilobyteFrom) return Printed("%4lld        ", bytes);
  return Printed("%3lldK        ", bytes / 1024);
}

std::string SizePaneTip(TabKind tab) {
  return tab == TabKind::kOpen ? "値のサイズ(最大8KB)" : "値のサイズ(最大500KB)";
}

std::string CountPaneText(int rowCount, std::optional<int> shownRows) {
  if (!shownRows) return Printed("%4lld        ", rowCount);
  return std::to_string(*shownRows) + "/" + std::to_string(rowCount);
}

std::string CountPaneTip(TabKind tab, int maximum) {
  switch (tab) {
    case TabKind::kHistory: return WithMaximum("「履歴」の行数（最大格納数%d）", maximum);
    case TabKind::kSave: return WithMaximum("「保存」の行数（最大%d）", maximum);
    case TabKind::kRelated: return WithMaximum("「関連ﾌｧｲﾙ」の行数（最大%d）", maximum);
    case TabKind::kShared: return WithMaximum("「共有」の行数（最大%d）", maximum);
    case TabKind::kOpen: return "「公開」の行数";
    case TabKind::kPlan: return WithMaximum("「プラン」の行数（最大%d）", maximum);
    case TabKind::kStack: return WithMaximum("「スタック」の行数（最大%d）", maximum);
  }
  return {};
}

std::string PartialPaneText(bool partialSelection) { return partialSelection ? "部分" : "    "; }

StatusBarModel::StatusBarModel() {
  panes_[static_cast<std::size_t>(StatusPane::kWorkingDocument)] = {"作業中文書：連携なし", ""};
  panes_[static_cast<std::size_t>(StatusPane::kPasteMode)] = {PasteModePaneText(false),
                                                              kPasteModeTip};
  panes_[static_cast<std::size_t>(StatusPane::kSize)] = {kNoSelection, "値のサイズ(バイト)"};
  panes_[static_cast<std::size_t>(StatusPane::kCount)] = {kNoSelection, ""};
  panes_[static_cast<std::size_t>(StatusPane::kPartial)] = {PartialPaneText(false), kPartialTip};
}

void StatusBarModel::set(StatusPane which, StatusPaneTexts next, StatusBarChanges& changes) {
  StatusPaneTexts& now = panes_[static_cast<std::size_t>(which)];
  if (now.text != next.text) changes.texts.push_back(which);
  if (now.tip != next.tip) changes.tips.push_back(which);
  now = std::move(next);
}

StatusBarChanges StatusBarModel::update(const StatusInput& input) {
  StatusBarChanges changes;
  set(StatusPane::kWorkingDocument, {WorkingDocumentPaneText(input), ""}, changes);
  set(StatusPane::kPasteMode, {PasteModePaneText(input.copyMode), kPasteModeTip}, changes);
  set(StatusPane::kSize, {SizePaneText(input.selectedBytes), SizePaneTip(input.tab)}, changes);
  set(StatusPane::kCount,
      {CountPaneText(input.rowCount, input.shownRows), CountPaneTip(input.tab, input.tabMaximum)},
      changes);
  set(StatusPane::kPartial, {PartialPaneText(input.partialSelection), kPartialTip}, changes);
  return changes;
}

}  // namespace qb
