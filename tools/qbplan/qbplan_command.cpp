#include "tools/qbplan/qbplan_command.h"

#include <optional>

#include "history/file_helpers.h"
#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_runner.h"
#include "tools/qbplan/console_ui.h"
#include "tools/qbplan/run_input.h"

namespace qb {

namespace {

constexpr std::string_view kUsage =
    "usage: qbplan run [--yes|--no] [--data-home=FOLDER] [--window=TITLE] PLANFILE  < input > output\n"
    "       qbplan check PLANFILE\n";
constexpr std::string_view kParseFailed = "プラン解析中にエラーが発生しました　";
constexpr std::string_view kRunFailed = "プラン実行中のエラー発生によりプランは中断しました　";
constexpr std::string_view kNewerVersion = "上位のバージョンで作成/保存されたプランのため操作できません　";
constexpr std::string_view kSupportedVersion = "V1.20";
constexpr std::string_view kInputLost = "入力ファイルを読み直せないため、入力をそのまま出力できませんでした";

struct Options {
  std::string command;
  std::string planFile;
  bool answerYes = false;
  PlanRunSettings settings;
};

std::optional<Options> ParseArguments(const std::vector<std::string>& arguments,
                                      const std::string& dataHome) {
  Options options;
  options.settings.dataHome = dataHome;
  std::vector<std::string> positional;
  for (const std::string& argument : arguments) {
    if (argument == "--yes") {
      options.answerYes = true;
    } else if (argument == "--no") {
      options.answerYes = false;
    } else if (argument.starts_with("--data-home=")) {
      options.settings.dataHome = argument.substr(12);
    } else if (argument.starts_with("--window=")) {
      options.settings.actWinName = argument.substr(9);
    } else if (argument.starts_with("--")) {
      return std::nullopt;
    } else {
      positional.push_back(argument);
    }
  }
  if (positional.size() != 2 || (positional[0] != "run" && positional[0] != "check")) return std::nullopt;
  options.command = positional[0];
  options.planFile = positional[1];
  return options;
}

// Reads and parses the plan; the message and false when it cannot be used.
bool LoadPlan(const Options& options, FileSystem& files, CPlanMain& plan, std::ostream& err) {
  FileResult<std::string> text = files.readWhole(options.planFile);
  if (!text.ok()) {
    err << "プランファイルを読み込めません: " << options.planFile << "\n"
        << FileErrorText(text.error.cause) << "\n";
    return false;
  }
  if (plan.m_Analyze(*text.value) != 0) {
    err << kParseFailed << "\n" << plan.m_ErrorDetail() << "\n";
    return false;
  }
  return true;
}

int Check(const CPlanMain& plan, std::ostream& out) {
  if (std::optional<std::string> name = plan.m_HeaderValue("<@@PLAN_NAME>")) {
    out << "【プラン名】" << *name << "\n";
  }
  for (const PlanRow& row : plan.m_Blocks()) {
    out << std::string(static_cast<std::size_t>(row.depth) * 2, ' ') << row.description << "\n";
  }
  return kQbplanCompleted;
}

// Runs a loaded plan over `text`: the exit code; `text` holds the result when it is 0.
int RunPlan(const Options& options, const CPlanMain& plan, std::ostream& err, FileSystem& files,
            Clock& clock, Clipboard* clipboard, std::string& text) {
  if (!plan.m_HeaderValue("<@@PLAN_NAME>")) {
    err << kParseFailed << "\n";
    return kQbplanFailed;
  }
  std::string version = plan.m_HeaderValue("<@@PLAN_GVL>").value_or("");
  if (version > kSupportedVersion) {
    err << kNewerVersion << "\n";
    return kQbplanFailed;
  }
  ConsoleUi ui(err, options.answerYes);
  PlanWorld world{files, clock, ui};
  world.clipboard = clipboard;
  CPlanRunner runner(world);
  int result = runner.m_Run(plan, options.settings, text);
  if (result == plan_result::kError) {
    ui.showMessage(kRunFailed, MessageIcon::kExclamation);
    return kQbplanFailed;
  }
  return result == plan_result::kCancel ? kQbplanCancelled : kQbplanCompleted;
}

// A run writes its result when it completes, and its input unchanged on every other outcome: a
// plan that cannot be read, is refused, fails or is cancelled.
int Run(const Options& options, QbplanStreams streams, FileSystem& files, Clock& clock,
        Clipboard* clipboard) {
  RunInput input(streams.in);
  std::string& text = input.text();
  CPlanMain plan;
  if (!LoadPlan(options, files, plan, streams.err)) {
    streams.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return kQbplanFailed;
  }
  int code = RunPlan(options, plan, streams.err, files, clock, clipboard, text);
  if (code == kQbplanCompleted) {
    streams.out.write(text.data(), static_cast<std::streamsize>(text.size()));
  } else if (!input.writeOriginal(streams.out)) {
    streams.err << kInputLost << "\n";
  }
  return code;
}

}  // namespace

int RunQbplan(const std::vector<std::string>& arguments, QbplanStreams streams, FileSystem& files,
              Clock& clock, const std::string& dataHome, Clipboard* clipboard) {
  std::optional<Options> options = ParseArguments(arguments, dataHome);
  if (!options) {
    streams.err << kUsage;
    return kQbplanUsage;
  }
  if (options->command == "run") return Run(*options, streams, files, clock, clipboard);
  CPlanMain plan;
  if (!LoadPlan(*options, files, plan, streams.err)) return kQbplanFailed;
  return Check(plan, streams.out);
}

}  // namespace qb
