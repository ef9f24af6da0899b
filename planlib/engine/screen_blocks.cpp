// 文字列表示, 選択画面, and the run-time input of プラン変数（作業用）設定.
#include <algorithm>
#include <cstdio>

#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

// The result of a screen: 103 for a cancelled plan (or a window closed without an answer), and
// 103 when the stop flag ends the wait after it.
int AfterScreen(BlockContext& context, ScreenAnswer answer) {
  if (answer == ScreenAnswer::kNone || answer == ScreenAnswer::kCancelPlan) {
    return plan_result::kCancel;
  }
  return GoOnUnlessStopped(WaitAfterDialog(context));
}

std::optional<PlanInputKind> InputKindOf(int kind, const std::string& current) {
  switch (kind) {
    case 6: return PlanInputKind::kOneLine;
    case 3: return PlanInputKind::kMultiLine;
    case 7:
      return current.find("\r\n") == std::string::npos ? PlanInputKind::kOneLine
                                                       : PlanInputKind::kMultiLine;
    case 9: return PlanInputKind::kOpenFile;
    case 10: return PlanInputKind::kSaveFile;
    case 8: return PlanInputKind::kFolder;
    default: return std::nullopt;
  }
}

std::string DefaultInputHeading(int kind, int target) {
  switch (kind) {
    case 9: return "ファイルを開く";
    case 10: return "ファイル名を付けて保存";
    case 8: return "フォルダを指定してください";
    default: return PlanVariables::nameOfCode(target) + " に設定する文字列を入力してください";
  }
}

}  // namespace

int CDspString::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int source = settings.number("KIND_IN");
  std::string heading = settings.text("MIDASHI");
  std::string data = settings.text("DATAIN");
  int valid = settings.number("KIND_VALID");
  int offerSuppress = settings.number("CANCEL_DSP");
  if (!settings.ok()) return settings.fail(context);
  if (valid != 1 || context.displaySuppressed()) return plan_result::kGoOn;
  PlanDialogs* dialogs = context.world().dialogs;
  if (dialogs == nullptr) return BlockUnavailable(context, "文字列表示");
  PlanDisplayModel model(context.world().ui, context.substitute(heading),
                         SourceText(context, source, text, data), offerSuppress == 1);
  if (!WaitBeforeDialog(context)) return plan_result::kCancel;
  dialogs->runDisplay(model);
  if (model.answer() == ScreenAnswer::kSuppressLater) context.setDisplaySuppressed();
  return AfterScreen(context, model.answer());
}

int CDspSelect::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  std::string heading = settings.text("MIDASHI");
  int count = settings.number("BTN_COUNT");
  std::vector<std::string> names;
  for (int button = 1; button <= PlanSelectModel::kMaxButtons; ++button) {
    char element[16];
    std::snprintf(element, sizeof element, "BTN_NAME%02d", button);
    names.push_back(settings.text(element));
  }
  if (!settings.ok()) return settings.fail(context);
  PlanDialogs* dialogs = context.world().dialogs;
  if (dialogs == nullptr) return BlockUnavailable(context, "選択画面");
  count = std::clamp(count, 1, PlanSelectModel::kMaxButtons);
  names.resize(static_cast<std::size_t>(count));
  for (std::string& name : names) name = context.substitute(name);
  PlanSelectModel model(context.world().ui, context.substitute(heading), std::move(names));
  if (!WaitBeforeDialog(context)) return plan_result::kCancel;
  dialogs->runSelect(model);
  if (model.answer() == ScreenAnswer::kOk) {
    char chosen[16];
    std::snprintf(chosen, sizeof chosen, "%02d", model.chosen());
    context.variables().setText(var::kSelectResult, chosen);
  }
  return AfterScreen(context, model.answer());
}

bool IsRunTimeInputKind(int kind) { return InputKindOf(kind, std::string()).has_value(); }

int AskPlanVariableValue(BlockContext& context, int kind, int target, std::string_view heading,
                         bool required, const std::string& current, std::string& value) {
  std::optional<PlanInputKind> inputKind = InputKindOf(kind, current);
  if (!inputKind) return plan_result::kGoOn;
  PlanDialogs* dialogs = context.world().dialogs;
  if (dialogs == nullptr) {
    return context.error(BlockLabel("プラン変数（作業用）設定") +
                         "\n\n実行時に値を取得する設定は、この実行環境では使用できません。　");
  }
  std::string shownHeading = heading.empty() ? DefaultInputHeading(kind, target)
                                             : context.substitute(heading);
  bool prefilled = kind == 7 || kind == 8 || kind == 9 || kind == 10;
  PlanInputModel model(context.world().ui, std::move(shownHeading), *inputKind, required,
                       prefilled ? current : std::string());
  if (!WaitBeforeDialog(context)) return plan_result::kCancel;
  dialogs->runInput(model);
  if (model.answer() == ScreenAnswer::kOk) value = model.value();
  return AfterScreen(context, model.answer());
}

}  // namespace qb
