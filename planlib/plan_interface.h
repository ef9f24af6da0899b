// The plan library's one exported class. The host writes the input members before each call and
// reads the outputs after it; strings are the caller's, and the library copies what it keeps.
// One object lives on the host's plan thread, and every call is made on that thread.
#pragma once
#include <windows.h>

#include <string>

#ifdef QB_BUILDING_TOVAPLAN
#define QB_PLAN_API __declspec(dllexport)
#else
#define QB_PLAN_API __declspec(dllimport)
#endif

class QB_PLAN_API CPlanInterface {
 public:
  CPlanInterface();
  virtual ~CPlanInterface();

  // Remembers the host's plan thread (its handle). Returns 0.
  int m_PlanInit(void* hostThread);

  // Creates the hidden window of an edit; the host keeps its handle to send "0927Plan_RunEndReq".
  HWND m_InitEdit();
  // Opens the plan editor on `*planText` (empty: a new plan); `mode` is 1. 0 on OK (the text is
  // the edited plan), -1 otherwise (the text is unchanged). Once the editor was reached,
  // m_EditMaximized, m_PlanName, m_PlanVersion and m_PlanAttr hold its results.
  int m_Edit(int mode, std::string* planText);
  // Destroys the hidden window. Returns 0.
  int m_EndEdit();

  // Creates the hidden window of a run; the host keeps its handle to send "0927Plan_RunEndReq".
  HWND m_InitRun();
  // Runs the whole plan text over `*text`. 0 when it completed (the text holds the result); -1
  // when it was refused, failed or was cancelled (the text is as it was). `m_RunResult` tells
  // which: 0 completed, 1 refused or failed, 3 cancelled.
  int m_Run(std::string planText, std::string* text);
  // Destroys the hidden window. Returns 0.
  int m_EndRun();

  std::string m_IfVersion;      // must be "V1.20"
  std::string m_FontName;
  int m_EditMaximized = 0;
  int m_DialogDelay = 0;
  std::string m_ActWinName;
  std::string m_UserId;
  std::string m_HostFolder;     // without a trailing backslash
  std::string m_DataHome;       // host folder + "\PlanDataHome"
  HWND m_hHostWnd = nullptr;
  std::string m_HostName;
  std::string m_EditTitle;
  std::string m_PlanVersion;
  std::string m_PlanName;
  std::string m_PlanAttr;
  int m_RunResult = 0;

 private:
  void m_InitInfo();
  // Copies the input members into the library-wide context.
  void m_InitInfoSet();
};
