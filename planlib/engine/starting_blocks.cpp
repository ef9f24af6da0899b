// ファイルを開く, フォルダを開く, Webの表示, アプリケーション起動: the shell's "open" verb.
#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr int kShellSucceeded = 32;  // a result above this is success

std::string PathTail(const std::string& path) { return "\n( " + path + " )"; }

// The target: the working text for source 1, else the setting expanded and substituted.
std::string StartingTarget(BlockContext& context, int source, const std::string& text,
                           std::string_view setting) {
  return source == 1 ? text : context.expandPath(setting);
}

}  // namespace

int CFileStarting::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  constexpr std::string_view kName = "ファイルを開く";
  settings.number("KIND_STARTING");
  int source = settings.number("KIND_IN");
  std::string setting = settings.text("FILE_PATH");
  if (!settings.ok()) return settings.fail(context);
  PlanShell* shell = context.world().shell;
  if (shell == nullptr) return BlockUnavailable(context, kName);
  std::string path = StartingTarget(context, source, text, setting);
  std::optional<FileAttributes> found = context.world().files.attributes(path);
  if (!found || found->isFolder) {
    return context.error(BlockLabel(kName) + "\n\nファイルが見つかりません。　" + PathTail(path));
  }
  if (shell->open(path, "", false) > kShellSucceeded) return plan_result::kGoOn;
  if (shell->open("notepad.exe", path, false) > kShellSucceeded) return plan_result::kGoOn;
  return context.error(BlockLabel(kName) + "\n\nファイルを開くことに失敗しました。　" + PathTail(path));
}

int CFolderStarting::m_Run(BlockContext& context, BlockSettings& settings,
                           std::string& text) const {
  constexpr std::string_view kName = "フォルダを開く";
  settings.number("KIND_STARTING");
  int source = settings.number("KIND_IN");
  std::string setting = settings.text("FOLDER");
  if (!settings.ok()) return settings.fail(context);
  PlanShell* shell = context.world().shell;
  if (shell == nullptr) return BlockUnavailable(context, kName);
  std::string path = StartingTarget(context, source, text, setting);
  std::optional<FileAttributes> found = context.world().files.attributes(path);
  if (!found || !found->isFolder) {
    return context.error(BlockLabel(kName) + "\n\nフォルダが見つかりません。　" + PathTail(path));
  }
  if (shell->open(path, "", true) > kShellSucceeded) return plan_result::kGoOn;
  return context.error(BlockLabel(kName) + "\n\nフォルダを開くことに失敗しました。　" + PathTail(path));
}

int CWebStarting::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  constexpr std::string_view kName = "Webの表示";
  settings.number("KIND_STARTING");
  int source = settings.number("KIND_IN");
  std::string setting = settings.text("DATAURL");
  if (!settings.ok()) return settings.fail(context);
  PlanShell* shell = context.world().shell;
  if (shell == nullptr) return BlockUnavailable(context, kName);
  std::string address = StartingTarget(context, source, text, setting);
  if (address.empty()) {
    return context.error(BlockLabel(kName) + "　\n\nアドレスが設定されていません。　");
  }
  if (shell->open(address, "", false) > kShellSucceeded) return plan_result::kGoOn;
  return context.error(BlockLabel(kName) + "\n\n指定したアドレスのWeb表示に失敗しました。　" +
                       PathTail(address));
}

int CAplStarting::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  constexpr std::string_view kName = "アプリケーション起動";
  settings.number("KIND_STARTING");
  int source = settings.number("KIND_IN");
  std::string applicationSetting = settings.text("APL_PATH");
  std::string parameterSetting = settings.text("APL_HIKISU");
  if (!settings.ok()) return settings.fail(context);
  PlanShell* shell = context.world().shell;
  if (shell == nullptr) return BlockUnavailable(context, kName);
  std::string application = context.expandPath(applicationSetting);
  std::string parameters;
  if (source == 1) {
    parameters = text;
  } else if (source == 2 || source == 4 || source == 5) {
    parameters = context.substitute(parameterSetting);
  }
  if (shell->open(application, parameters, false) > kShellSucceeded) return plan_result::kGoOn;
  return context.error(BlockLabel(kName) + "\n\nアプリケーションの実行に失敗しました。　\n( " +
                       application + " " + parameters + " )");
}

}  // namespace qb
