#include "tests/e2e/driver/scenarios.h"

#include <windows.h>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {

const std::vector<Scenario>& allScenarios() {
  static const std::vector<Scenario> scenarios = {
      {"capture", runCaptureScenario},
      {"second-instance", runSecondInstanceScenario},
      {"tray-exit", runTrayExitScenario},
      {"settings-files", runSettingsFilesScenario},
      {"settings-repair", runSettingsRepairScenario},
      {"history-store", runHistoryStoreScenario},
      {"paste", runPasteScenario},
      {"exact-text", runExactTextScenario},
      {"exit-confirm", runExitConfirmScenario},
      {"save-tab", runSaveTabScenario},
      {"save-commands", runSaveCommandsScenario},
      {"related-tab", runRelatedTabScenario},
      {"filter", runFilterScenario},
      {"settings-sheet", runSettingsSheetScenario},
      {"plan-stack-commands", runPlanStackCommandsScenario},
      {"capture-plan", runCapturePlanScenario},
      {"plan-windows", runPlanWindowsScenario},
      {"plan-shutdown", runPlanShutdownScenario},
      {"standard-plans", runStandardPlansScenario},
      {"plan-routes", runPlanRoutesScenario},
      {"plan-editor", runPlanEditorScenario},
      {"double-tap", runDoubleTapScenario},
      {"modifier-hotkey", runModifierHotkeyScenario},
      {"edge-click", runEdgeClickScenario},
      {"plan-menu", runPlanMenuScenario},
      {"hotkey-pause", runHotkeyPauseScenario},
      {"reachable-without-tray", runReachableWithoutTrayScenario},
      {"hook-library-file", runHookLibraryFileScenario},
      {"package-install", runPackageInstallScenario},
      {"package-portable", runPackagePortableScenario},
  };
  return scenarios;
}

std::wstring freshDataHome(const ScenarioContext& context, const std::wstring& scenarioName) {
  std::wstring scratch = context.scratch;
  if (!scratch.empty() && scratch.back() == L'\\') scratch.pop_back();
  const std::wstring path = scratch + L"\\" + scenarioName + L"-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(GetTickCount64());
  expect(GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES,
         "the data home " + toUtf8(path) + " exists already");
  return path;
}

std::wstring dataHomeWithSetting(const ScenarioContext& context, const std::wstring& scenarioName,
                                 const std::string& key, const std::string& value) {
  const std::wstring dataHome = freshDataHome(context, scenarioName) + L"\\";
  expect(CreateDirectoryW(dataHome.c_str(), nullptr) != FALSE, "cannot create " + toUtf8(dataHome));
  expect(writeFileBytes(dataHome + L"quillbox2.dat",
                        "\"" + key + "\",\"" + value + "\",\"x\"\r\n"),
         "cannot write the settings file");
  return dataHome;
}

}  // namespace qb::e2e
