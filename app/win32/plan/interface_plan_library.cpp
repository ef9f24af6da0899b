#include "app/win32/plan/interface_plan_library.h"

#include "planlib/plan_call.h"

namespace qb {

InterfacePlanLibrary::InterfacePlanLibrary(PlanLibrarySetup setup) : setup_(std::move(setup)) {}

InterfacePlanLibrary::~InterfacePlanLibrary() {
  if (thread_ != nullptr) CloseHandle(thread_);
}

void InterfacePlanLibrary::init() {
  thread_ = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, GetCurrentThreadId());
  interface_.m_PlanInit(thread_);
}

void InterfacePlanLibrary::fillInputs(std::string_view actWinName, std::string_view planVersion) {
  interface_.m_IfVersion = std::string(kPlanInterfaceVersion);
  interface_.m_FontName = setup_.fontName;
  interface_.m_ActWinName = std::string(actWinName);
  interface_.m_HostFolder = setup_.hostFolder;
  interface_.m_DataHome = setup_.dataHome;
  interface_.m_hHostWnd = setup_.hostWindow;
  interface_.m_HostName = "Quillbox";
  interface_.m_EditTitle = "Quillbox＜プラン編集＞";
  interface_.m_PlanVersion = std::string(planVersion);
}

void InterfacePlanLibrary::run(const PlanRunRequest& request,
                               const std::function<void(std::uintptr_t)>& windowCreated) {
  fillInputs(request.actWinName, request.planVersion);
  interface_.m_DialogDelay = request.dialogDelay ? 1 : 0;
  HWND window = interface_.m_InitRun();
  windowCreated(reinterpret_cast<std::uintptr_t>(window));
  // The run acts on the world through its blocks; the host uses neither the text nor the result.
  std::string text = request.text;
  interface_.m_Run(request.planText, &text);
  interface_.m_EndRun();
}

PlanEditResult InterfacePlanLibrary::edit(const PlanEditRequest& request,
                                          const std::function<void(std::uintptr_t)>& windowCreated) {
  fillInputs(request.actWinName, request.planVersion);
  interface_.m_DialogDelay = 0;
  interface_.m_UserId = request.userId;
  interface_.m_EditMaximized = request.maximized ? 1 : 0;
  // Outputs of an earlier edit must not pass for this one's when the editor is not reached.
  interface_.m_PlanName.clear();
  interface_.m_PlanAttr.clear();
  HWND window = interface_.m_InitEdit();
  windowCreated(reinterpret_cast<std::uintptr_t>(window));
  PlanEditResult result;
  result.planText = request.planText;
  result.returned = interface_.m_Edit(1, &result.planText);
  interface_.m_EndEdit();
  result.reachedEditor = !interface_.m_PlanAttr.empty();
  result.maximized = interface_.m_EditMaximized == 1;
  result.name = interface_.m_PlanName;
  result.version = interface_.m_PlanVersion;
  result.attributes = interface_.m_PlanAttr;
  return result;
}

void SendPlanStopRequest(HWND planWindow) {
  char text[] = "0927Plan_RunEndReq";
  COPYDATASTRUCT data{0, sizeof text, text};
  SendMessageW(planWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

}  // namespace qb
