// The plan editor's window: the name and summary fields, the block list indented by depth, its
// buttons and menus. It shows the model and hands every command to PlanEditorCommands.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "planlib/editor/plan_edit_model.h"
#include "planlib/editor/plan_saver.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

struct PlanEditorSetup {
  std::string title;       // the host's editor title; the caption adds " [プラン編集]"
  std::wstring fontFace;   // the face of the fields and dialogs
  std::string userId;
  std::string hostFolder;  // where "QlbxPlan.chm" lies, without a trailing backslash
  bool maximized = false;
  // Called with the window once it exists (message boxes belong to it).
  std::function<void(HWND)> opened;
  // Opens a document with the shell's "open"; false when it could not be opened.
  std::function<bool(const std::string& path)> openHelp;
};

struct PlanEditorOutcome {
  std::optional<EditedPlan> plan;  // on OK
  bool maximized = false;          // left larger than its design size
};

// Runs the editor on the opened model until OK or Cancel.
PlanEditorOutcome RunPlanEditor(HWND owner, Ui& ui, Clock& clock, const PlanEditorSetup& setup,
                                PlanEditModel& model);

}  // namespace qb
