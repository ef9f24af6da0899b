#include "tools/qbplan/qbplan_command.h"

#include <optional>
#include <sstream>

#include "history/file_helpers.h"
#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_runner.h"
#include "tools/qbplan/console_ui.h"

namespace qb {

namespace {

constexpr std::string_view kUsage =
    "usage: qbplan run [--yes|--no] [--data-home=FOLDER] [--window=TITLE] PLANFILE  < input > output\n"
    "       qbplan check PLANFILE\n";
constexpr std::string_view kParseFailed = "プラン解析中にエラーが発生しました　";
constexpr std::string_view kRunFailed = "プラン実行中のエラー発生によりプランは中断しました　";
constexpr std::string_view kNewerVersion = "上位のバージョンで作成/保存されたプランのため操作できません　";
constexpr std::string_view kSupportedVersion = "V1.20";

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

int Run(const Options& options, const CPlanMain& plan, QbplanStreams streams, FileSystem& files,
        Clock& clock, Clipboard* clipboard) {
  if (!plan.m_HeaderValue("<@@PLAN_NAME>")) {
    streams.err << kParseFailed << "\n";
    return kQbplanFailed;
  }
  std::string version = plan.m_HeaderValue("<@@PLAN_GVL>").value_or("");
  if (version > kSupportedVersion) {
    streams.err << kNewerVersion << "\n";
    return kQbplanFailed;
  }
  std::ostringstream buffer;
  buffer << streams.in.rdbuf();  // sets the buffer's failbit on an empty input, which is fine
  std::string input = std::move(buffer).str();
  ConsoleUi ui(streams.err, options.answerYes);
  PlanWorld world{files, clock, ui};
  world.clipboard = clipboard;
  CPlanRunner runner(world);
  std::string text = input;
  int result = runner.m_Run(plan, options.settings, text);
  if (result == plan_result::kError) {
    ui.showMessage(kRunFailed, MessageIcon::kExclamation);
    streams.out << input;
    return kQbplanFailed;
  }
  if (result == plan_result::kCancel) {
    streams.out << input;
    return kQbplanCancelled;
  }
  streams.out << text;
  return kQbplanCompleted;
}

}  // namespace

int RunQbplan(const std::vector<std::string>& arguments, QbplanStreams streams, FileSystem& files,
              Clock& clock, const std::string& dataHome, Clipboard* clipboard) {
  std::optional<Options> options = ParseArguments(arguments, dataHome);
  if (!options) {
    streams.err << kUsage;
    return kQbplanUsage;
  }
  CPlanMain plan;
  if (!LoadPlan(*options, files, plan, streams.err)) return kQbplanFailed;
  if (options->command == "check") return Check(plan, streams.out);
  return Run(*options, plan, streams, files, clock, clipboard);
}

}  // namespace qb
