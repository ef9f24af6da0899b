// The input-hook library's exports. The main program binds them by ordinal (qlbxhook.def).
#pragma once
#include <windows.h>

#ifdef QB_BUILDING_QLBXHOOK
// Exported through qlbxhook.def only, so that no name is exported beside the ordinals.
#define QB_HOOK_API extern "C"
#else
#define QB_HOOK_API extern "C" __declspec(dllimport)
#endif

// 1: the mouse hook procedure.
QB_HOOK_API LRESULT CALLBACK MyHookProc(int code, WPARAM message, LPARAM mouseData);
// 2: stores the receiver and the feature switches, then installs the mouse and keyboard hooks.
QB_HOOK_API int SetHook(HWND mainWindow, int leftEdgeOn, int rightEdgeOn, int planMenuOn,
                        int clickReportOn, int currentPlanGroup);
// 3: removes each installed hook.
QB_HOOK_API int ResetHook();
// 4: clears every plan-name slot and the group-name slot.
QB_HOOK_API int HookInitProc();
// 5: the plan names of one group, separated by CR LF.
QB_HOOK_API int HookPlanMenuDataSet(int groupIndex, const char* planNames);
// 6: the names of the ten plan groups, separated by CR LF.
QB_HOOK_API int HookPlanMenuGroupDataSet(const char* groupNames);
// 7: 1 while the main program shows a modal box: the plan menu is then not shown.
QB_HOOK_API int HookPlanMenuStop(int stopped);
