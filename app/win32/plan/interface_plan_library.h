// The plan library as the host's plan thread calls it: the one CPlanInterface of tovaplan.dll,
// constructed on the plan thread, with the members the host fills before each run.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "app/plan/plan_thread.h"
#include "planlib/plan_interface.h"

namespace qb {

struct PlanLibrarySetup {
  HWND hostWindow = nullptr;
  std::string fontName;
  std::string hostFolder;  // without a trailing backslash
  std::string dataHome;    // the plan data-home folder, without a trailing backslash
};

class InterfacePlanLibrary : public PlanLibraryCalls {
 public:
  explicit InterfacePlanLibrary(PlanLibrarySetup setup);
  ~InterfacePlanLibrary() override;

  // m_PlanInit with a handle of the calling (plan) thread.
  void init() override;
  void run(const PlanRunRequest& request,
           const std::function<void(std::uintptr_t window)>& windowCreated) override;
  PlanEditResult edit(const PlanEditRequest& request,
                      const std::function<void(std::uintptr_t window)>& windowCreated) override;

 private:
  // The members every edit and run sets before its call.
  void fillInputs(std::string_view actWinName, std::string_view planVersion);

  PlanLibrarySetup setup_;
  HANDLE thread_ = nullptr;
  CPlanInterface interface_;
};

// Sends "0927Plan_RunEndReq" to the plan library's hidden window.
void SendPlanStopRequest(HWND planWindow);

}  // namespace qb
