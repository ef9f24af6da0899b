#include "planlib/editor/plan_variable_menu.h"

#include "planlib/engine/plan_variables.h"

namespace qb {

namespace {

PlanVariableGroup Group(std::string_view label, const std::vector<int>& codes) {
  PlanVariableGroup group{label, {}};
  for (int code : codes) group.names.push_back(PlanVariables::nameOfCode(code));
  return group;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> codes;
  for (int code = first; code <= last; ++code) codes.push_back(code);
  return codes;
}

}  // namespace

const std::vector<PlanVariableGroup>& PlanVariableMenu() {
  static const std::vector<PlanVariableGroup> menu = {
      Group("作業用", Range(var::kWork01, var::kWork01 + 19)),
      Group("日時関連", {var::kNowDateTime, var::kNowDate, var::kNowTime}),
      Group("フォルダ関連", {var::kDataHome, var::kLastOutFolder, var::kLastInFolder, var::kLastAddFolder}),
      Group("ファイル関連", {var::kLastOutName, var::kLastInName, var::kLastAddName, var::kLastOutPath,
                             var::kLastInPath, var::kLastAddPath}),
      Group("情報", {var::kActWinName}),
      Group("結果", {var::kMessageVerify, var::kSelectResult}),
      Group("カウンター", Range(var::kCounter01, var::kCounter01 + 9)),
      Group("書式カウンター", Range(var::kFormatCounter01, var::kFormatCounter01 + 8)),
      Group("行単位関連", {var::kCurrentLine, var::kTotalLines}),
      Group("ループ関連", {var::kLoopCounter, var::kLoopFinal}),
      Group("ブロック入力文字数", {var::kCharCount, var::kByteCount}),
  };
  return menu;
}

}  // namespace qb
