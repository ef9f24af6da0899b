#include "planlib/win32/win32_plan_ports.h"

#include <shellapi.h>

#include "planlib/win32/plan_screen_views.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_ui.h"

namespace qb {

void Win32PlanHost::sendCommand(std::string_view command) {
  if (hostWindow_ == nullptr) return;
  std::string text(command);
  COPYDATASTRUCT data{0, static_cast<DWORD>(text.size() + 1), text.data()};
  SendMessageW(hostWindow_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

void Win32PlanHost::pumpMessages() { DispatchPendingMessages(); }

int Win32PlanShell::open(std::string_view target, std::string_view parameters, bool ownedByHost) {
  const std::wstring file = SjisToWide(target);
  const std::wstring arguments = SjisToWide(parameters);
  HINSTANCE result = ShellExecuteW(ownedByHost ? hostWindow_ : nullptr, L"open", file.c_str(),
                                   arguments.empty() ? nullptr : arguments.c_str(), nullptr,
                                   SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

PlanRunUi::PlanRunUi(CPlanHiddenWnd& hidden, std::string caption)
    : hidden_(hidden), caption_(std::move(caption)) {}

MessageAnswer PlanRunUi::showCaptioned(std::string_view caption, std::string_view text,
                                       MessageIcon icon, MessageButtons buttons) {
  BusyScope busy(*this);
  return box(caption, text, icon, buttons);
}

MessageAnswer PlanRunUi::presentMessage(std::string_view text, MessageIcon icon,
                                        MessageButtons buttons) {
  return box(caption_, text, icon, buttons);
}

MessageAnswer PlanRunUi::box(std::string_view caption, std::string_view text, MessageIcon icon,
                             MessageButtons buttons) {
  hidden_.showMinimized();
  HWND owner = hidden_.handle();
  if (owner != nullptr) SetForegroundWindow(owner);
  const int result = MessageBoxW(owner, SjisToWide(text).c_str(), SjisToWide(caption).c_str(),
                                 MessageBoxStyle(icon, buttons) | MB_SETFOREGROUND);
  hidden_.hide();
  return AnswerFromMessageBox(result, buttons);
}

Win32PlanDialogs::Win32PlanDialogs(PlanRunUi& ui, CPlanHiddenWnd& hidden, std::wstring fontFace)
    : ui_(ui), hidden_(hidden), fontFace_(std::move(fontFace)) {}

MessageAnswer Win32PlanDialogs::message(std::string_view caption, std::string_view text,
                                        MessageIcon icon, MessageButtons buttons) {
  return ui_.showCaptioned(caption, text, icon, buttons);
}

std::unique_ptr<PlanNoticeWindow> Win32PlanDialogs::openNotice(const PlanNotice& notice) {
  return OpenPlanNoticeWindow(notice, fontFace_);
}

void Win32PlanDialogs::runInput(PlanInputModel& model) {
  RunPlanInputView(hidden_.handle(), ui_, fontFace_, model);
}

void Win32PlanDialogs::runDisplay(PlanDisplayModel& model) {
  RunPlanDisplayView(hidden_.handle(), ui_, fontFace_, model);
}

void Win32PlanDialogs::runSelect(PlanSelectModel& model) {
  RunPlanSelectView(hidden_.handle(), ui_, fontFace_, model);
}

}  // namespace qb
