// The end-to-end scenarios: each starts its own quillbox2.exe with a fresh data home, acts as
// the user, checks what the user (and the disk) would see, and ends the program.
#pragma once
#include <string>
#include <vector>

namespace qb::e2e {

struct ScenarioContext {
  std::wstring program;  // quillbox2.exe
  std::wstring scratch;  // a folder for the data homes of the runs
};

struct Scenario {
  const char* name;
  void (*run)(const ScenarioContext&);
};

const std::vector<Scenario>& allScenarios();

// A data-home path under the scratch folder that does not exist yet (no trailing backslash).
std::wstring freshDataHome(const ScenarioContext& context, const std::wstring& scenarioName);
// A fresh data home (ending in a backslash) whose settings file holds one key, as a user who
// edited it would leave it; the program adds the other keys at its start.
std::wstring dataHomeWithSetting(const ScenarioContext& context, const std::wstring& scenarioName,
                                 const std::string& key, const std::string& value);

void runCaptureScenario(const ScenarioContext& context);
void runSecondInstanceScenario(const ScenarioContext& context);
void runTrayExitScenario(const ScenarioContext& context);
void runSettingsFilesScenario(const ScenarioContext& context);
void runSettingsRepairScenario(const ScenarioContext& context);
void runHistoryStoreScenario(const ScenarioContext& context);
void runPasteScenario(const ScenarioContext& context);
void runExactTextScenario(const ScenarioContext& context);
void runExitConfirmScenario(const ScenarioContext& context);
void runSaveTabScenario(const ScenarioContext& context);
void runSaveCommandsScenario(const ScenarioContext& context);
void runRelatedTabScenario(const ScenarioContext& context);
void runFilterScenario(const ScenarioContext& context);
void runSettingsSheetScenario(const ScenarioContext& context);
void runPlanStackCommandsScenario(const ScenarioContext& context);
void runCapturePlanScenario(const ScenarioContext& context);
void runPlanWindowsScenario(const ScenarioContext& context);
void runPlanShutdownScenario(const ScenarioContext& context);
void runStandardPlansScenario(const ScenarioContext& context);
void runPlanRoutesScenario(const ScenarioContext& context);
void runPlanEditorScenario(const ScenarioContext& context);
// Call-up and let-go: hotkeys, double taps, the input hooks.
void runDoubleTapScenario(const ScenarioContext& context);
void runModifierHotkeyScenario(const ScenarioContext& context);
void runEdgeClickScenario(const ScenarioContext& context);
void runPlanMenuScenario(const ScenarioContext& context);
void runHotkeyPauseScenario(const ScenarioContext& context);
void runReachableWithoutTrayScenario(const ScenarioContext& context);
void runHookLibraryFileScenario(const ScenarioContext& context);
// The release packages (run_e2e.sh stages them from <build>\packages; named "package-...").
void runPackageInstallScenario(const ScenarioContext& context);
void runPackagePortableScenario(const ScenarioContext& context);

}  // namespace qb::e2e
