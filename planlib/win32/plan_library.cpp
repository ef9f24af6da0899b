#include "planlib/win32/plan_library.h"

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

}  // namespace qb
