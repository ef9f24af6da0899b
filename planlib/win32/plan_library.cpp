#include "planlib/win32/plan_library.h"

#include <shellapi.h>

#include "planlib/editor/plan_edit_model.h"
#include "planlib/win32/editor/plan_editor_window.h"
#include "planlib/win32/win32_plan_ports.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_ui.h"

namespace qb {

PlanLibrary& PlanLibrary::instance() {
  static PlanLibrary library;
  return library;
}

HWND PlanLibrary::createHiddenWindow(const std::string& fontName) {
  hidden_ = std::make_unique<CPlanHiddenWnd>(hostThread_, [this] { requestStop(); });
  return hidden_->create(SjisToWide(fontName));
}

void PlanLibrary::destroyHiddenWindow() { hidden_.reset(); }

void PlanLibrary::requestStop() {
  if (CPlanRunner* runner = activeRunner_.load()) runner->m_RequestStop();
}

PlanCallResult PlanLibrary::run(const PlanLibraryContext& context, std::string_view planText,
                                std::string& text) {
  if (!hidden_) createHiddenWindow(context.fontName);
  hidden_->setTitle(context.hostName + " [プラン実行]");
  // The interface's own messages belong to the host window.
  Win32Ui interfaceUi(context.hostName, context.hostWindow);
  PlanRunUi runUi(*hidden_, context.hostName);
  Win32PlanHost host(context.hostWindow);
  Win32PlanShell shell(context.hostWindow);
  Win32PlanDialogs dialogs(runUi, *hidden_, SjisToWide(context.fontName));
  // The hidden window owns the clipboard while the run writes it.
  Win32Clipboard clipboard(hidden_->handle());
  PlanWorld world{files_, clock_, runUi, &host, &clipboard, &keyboard_, &shell, &dialogs,
                  context.dialogDelay == 1};
  CPlanRunner runner(world);
  activeRunner_.store(&runner);
  PlanCallInputs inputs{context.ifVersion, context.planVersion, context.dataHome,
                        context.actWinName};
  PlanCallResult result = RunPlanCall(runner, interfaceUi, inputs, planText, text);
  activeRunner_.store(nullptr);
  return result;
}

namespace {

bool OpenWithShell(const std::string& path) {
  const std::wstring wide = SjisToWide(path);
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_FLAG_NO_UI;  // the editor tells of a failure itself
  open.lpVerb = L"open";
  open.lpFile = wide.c_str();
  open.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&open) != FALSE;
}

}  // namespace

PlanEditCall PlanLibrary::edit(const PlanLibraryContext& context, bool maximized, std::string& planText) {
  PlanEditCall call;
  Win32Ui interfaceUi(context.hostName, context.hostWindow);
  if (!AcceptPlanCall(interfaceUi, context.ifVersion, context.planVersion)) return call;
  if (!hidden_) createHiddenWindow(context.fontName);
  PlanEditModel model;
  const EditResult opened = model.open(planText);
  if (!opened.ok) {
    interfaceUi.showMessage(opened.message, MessageIcon::kExclamation);
    return call;
  }
  hidden_->setTitle(context.hostName + " [プラン編集]");
  hidden_->showMinimized();
  Win32Ui editorUi(context.hostName, hidden_->handle());
  const PlanEditorSetup setup{context.editTitle, SjisToWide(context.fontName), context.userId, context.hostFolder,
                              maximized, [&editorUi](HWND window) { editorUi.setOwner(window); }, OpenWithShell};
  const PlanEditorOutcome outcome = RunPlanEditor(hidden_->handle(), editorUi, clock_, setup, model);
  hidden_->hide();
  call.reachedEditor = true;
  call.maximized = outcome.maximized;
  if (outcome.plan) {
    call.plan = *outcome.plan;
    planText = outcome.plan->text;
    call.returned = 0;
  } else {
    call.plan = {planText, model.header("PLAN_NAME"), std::string(kEditedPlanVersion),
                 std::string(kEditedPlanAttributes)};
  }
  return call;
}

}  // namespace qb
