// Plans inside the running program: the plan thread, the plan library's copy-data commands with
// the plan-clipboard flag, the capture plan, and the plan thread's end. The program creates it
// once the main window and the Stack tab exist, and hands it the "0927Plan_" commands.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/plan/capture_plan.h"
#include "app/plan/plan_commands.h"
#include "app/plan/plan_thread.h"
#include "app/shell/copy_data_router.h"
#include "app/shell/status_bar_model.h"
#include "app/win32/plan/interface_plan_library.h"
#include "app/win32/window_thread_post.h"
#include "paste/paste_engine.h"
#include "paste/working_window.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/ui.h"
#include "tabs/stack/stack_tab.h"

namespace qb {

struct ProgramPlansParts {
  FileSystem& files;
  Ui& ui;
  Clock& clock;
  Desktop& desktop;
  WorkingWindow& working;
  PasteEngine& engine;       // gives the focus back in precise mode
  StackTab& stack;
  PlanLibrarySetup library;  // the main window, fonts and folders
  std::string dataHome;      // ends in a backslash
  std::function<std::string()> workingWindowTitle;
};

class ProgramPlans : private PlanCommandTargets, private PlanRequests {
 public:
  explicit ProgramPlans(ProgramPlansParts parts);
  ~ProgramPlans() override;

  // Takes the "0927Plan_" commands from the router.
  void addCommandsTo(CopyDataRouter& router);
  // Set while a plan block drives the keyboard or the clipboard.
  bool clipboardFlag() const { return commands_.clipboardFlag(); }
  // A plan is being edited or run.
  bool planBusy() const { return thread_.mode() != PlanMode::kIdle; }
  // What the status bar shows of it.
  PlanActivity activity() const;
  // A new History item: the capture plan runs on it (or the capture is counted).
  void onCapture(std::string_view planFileName, std::string_view text);
  // A run from the Plan tab, "プラン呼び出し", a plan hotkey or the plan popup menu, on `text`
  // with the working window's title of now. False while a plan is edited or run.
  bool run(std::string planText, std::string planVersion, std::string text);
  // An edit (new or change) with the working window's title of now; `edited` runs on the window
  // thread once the editor has closed. False while a plan is edited or run.
  bool edit(PlanEditRequest request, std::function<void(const PlanEditResult&)> edited);
  // The captures for which the capture plan was not called.
  int skippedCaptures() const { return capture_.skippedCaptures(); }
  void resetSkippedCaptures() { capture_.resetSkippedCaptures(); }
  // The program's end: a plan in progress is told to stop, then the plan thread ends.
  void shutDown();

 private:
  // PlanCommandTargets
  void activateWorkingWindow() override;
  void outputToStack(std::string_view command) override { parts_.stack.onOutputCommand(command); }
  void clearStack(std::string_view command) override { parts_.stack.onClearCommand(command); }
  // PlanRequests
  PlanMode mode() const override { return thread_.mode(); }
  bool requestRun(PlanRunRequest request) override { return thread_.requestRun(std::move(request)); }

  ProgramPlansParts parts_;
  PlanCommands commands_;
  // The editor's result reaches the window thread through it; made at the first edit, so that
  // the start does not wait for its window.
  std::unique_ptr<WindowThreadPost> windowThread_;
  PlanThread thread_;
  CapturePlan capture_;
  bool shutDown_ = false;
};

}  // namespace qb
