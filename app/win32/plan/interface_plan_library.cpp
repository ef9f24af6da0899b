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

void InterfacePlanLibrary::run(const PlanRunRequest& request,
                               const std::function<void(std::uintptr_t)>& windowCreated) {
  interface_.m_IfVersion = std::string(kPlanInterfaceVersion);
  interface_.m_FontName = setup_.fontName;
  interface_.m_DialogDelay = request.dialogDelay ? 1 : 0;
  interface_.m_ActWinName = request.actWinName;
  interface_.m_HostFolder = setup_.hostFolder;
  interface_.m_DataHome = setup_.dataHome;
  interface_.m_hHostWnd = setup_.hostWindow;
  interface_.m_HostName = "Quillbox";
  interface_.m_EditTitle = "Quillbox＜プラン編集＞";
  interface_.m_PlanVersion = request.planVersion;
  HWND window = interface_.m_InitRun();
  windowCreated(reinterpret_cast<std::uintptr_t>(window));
  // The run acts on the world through its blocks; the host uses neither the text nor the result.
  std::string text = request.text;
  interface_.m_Run(request.planText, &text);
  interface_.m_EndRun();
}

void SendPlanStopRequest(HWND planWindow) {
  char text[] = "0927Plan_RunEndReq";
  COPYDATASTRUCT data{0, sizeof text, text};
  SendMessageW(planWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

}  // namespace qb
