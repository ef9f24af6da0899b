// qb_e2e_driver: runs one end-to-end scenario against quillbox2.exe as a test user would.
//
//   qb_e2e_driver [--keep-on-failure] <scenario> <path of quillbox2.exe> <scratch folder>
//   qb_e2e_driver --list
//   qb_e2e_driver --lan-computer <quillbox2.exe> <data home> <command folder>
//
// Steps go to stderr as they happen; stdout ends with one verdict line, "PASS <scenario>" or
// "FAIL <scenario>: <reason>", after the diagnostics of a failure. Exit code 0 or 1.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/driver/child_process.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/lan_computer.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace {

using qb::e2e::Scenario;

std::vector<std::wstring> commandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> result(arguments + 1, arguments + count);
  LocalFree(arguments);
  return result;
}

int printUsage() {
  std::printf("usage: qb_e2e_driver [--keep-on-failure] <scenario> <quillbox2.exe> <scratch folder>\n"
              "       qb_e2e_driver --list\n");
  return 2;
}

const Scenario* findScenario(const std::wstring& name) {
  for (const Scenario& scenario : qb::e2e::allScenarios()) {
    if (qb::e2e::toUtf8(name) == scenario.name) return &scenario;
  }
  return nullptr;
}

int runScenario(const Scenario& scenario, const qb::e2e::ScenarioContext& context) {
  try {
    scenario.run(context);
  } catch (const qb::e2e::ScenarioFailure& failure) {
    std::printf("FAIL %s: %s\n", scenario.name, failure.what());
    return 1;
  }
  std::printf("PASS %s\n", scenario.name);
  return 0;
}

}  // namespace

int main() {
  std::vector<std::wstring> arguments = commandLineArguments();
  if (arguments.size() == 1 && arguments[0] == L"--list") {
    for (const Scenario& scenario : qb::e2e::allScenarios()) std::printf("%s\n", scenario.name);
    return 0;
  }
  if (arguments.size() == 4 && arguments[0] == L"--lan-computer") {
    return qb::e2e::runLanComputer(arguments[1], arguments[2], arguments[3]);
  }
  if (!arguments.empty() && arguments[0] == L"--keep-on-failure") {
    qb::e2e::ChildProcess::keepRunningOnFailure = true;
    arguments.erase(arguments.begin());
  }
  if (arguments.size() != 3) return printUsage();
  const Scenario* scenario = findScenario(arguments[0]);
  if (!scenario) {
    std::printf("unknown scenario %s\n", qb::e2e::toUtf8(arguments[0]).c_str());
    return printUsage();
  }
  const int verdict = runScenario(*scenario, {arguments[1], arguments[2]});
  std::fflush(stdout);
  return verdict;
}
