// Plans in the program: the plan thread and its commands once the window and the Stack tab exist,
// and the capture's hand-offs to them.
#include "app/win32/program.h"
#include "history/store_folders.h"

namespace qb {

void Program::startPlans(const DataHome& home) {
  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  std::string dataHome = PlanDataHomeFolder(home.folder);
  std::string programFolder = ProgramFolderOf(system_.programFilePath());
  if (!programFolder.empty()) programFolder.pop_back();  // without its backslash
  plans_ = std::make_unique<ProgramPlans>(ProgramPlansParts{
      fs_, ui_, clock_, desktop_, working_, *engine_, stackView_->tab(),
      PlanLibrarySetup{window_->handle(), environment.FontName,
                       programFolder, dataHome},
      home.folder, [this] { return desktop_.windowTitle(working_.window); }});
  plans_->addCommandsTo(copyData_);
  planTab_->attach(window_->handle(), plans_.get());
}

void Program::stackItemStored(const std::string& fileName) {
  if (stackView_) stackView_->tab().onCaptureStored(fileName);
  refreshList();
}

void Program::runCapturePlan(std::string_view planName, std::string_view text) {
  if (plans_ && settingsHome_->settings().environment.Plan_Enable == 1) plans_->onCapture(planName, text);
}

}  // namespace qb
