#include "hooklib/qlbxhook.h"

#include <cstring>

#include "hooklib/shared_section.h"

namespace qb::hook {
namespace {

// One copy for every process the library is loaded into: section MY_CLIPD, marked shared.
__attribute__((section("MY_CLIPD"), shared)) SharedState g_shared = {
    0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0,
    {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
    "0"};

HINSTANCE g_module = nullptr;
DWORD g_loadTime = 0;

void CopyIntoSlot(char* slot, const char* text) {
  if (!text) text = "";
  std::size_t length = std::strlen(text);
  if (length >= static_cast<std::size_t>(kNameSlotBytes)) length = kNameSlotBytes - 1;
  std::memcpy(slot, text, length);
  slot[length] = '\0';
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM flags) {
  return CallNextHookEx(nullptr, code, key, flags);
}

}  // namespace

SharedState& Shared() { return g_shared; }

}  // namespace qb::hook

using qb::hook::g_shared;

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    qb::hook::g_module = module;
    qb::hook::g_loadTime = GetTickCount();
  }
  return TRUE;
}

// Passes every mouse event on; edge call-up, click reports and the plan menu read the shared
// switches, which stay off until the main program turns those features on.
LRESULT CALLBACK MyHookProc(int code, WPARAM message, LPARAM mouseData) {
  return CallNextHookEx(nullptr, code, message, mouseData);
}

int SetHook(HWND mainWindow, int leftEdgeOn, int rightEdgeOn, int planMenuOn, int clickReportOn,
            int currentPlanGroup) {
  g_shared.mainWindow = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(mainWindow));
  g_shared.leftEdgeOn = leftEdgeOn;
  g_shared.rightEdgeOn = rightEdgeOn;
  g_shared.planMenuOn = planMenuOn;
  g_shared.clickReportOn = clickReportOn;
  g_shared.currentPlanGroup = currentPlanGroup;
  g_shared.startTime = static_cast<std::int32_t>(GetTickCount() - qb::hook::g_loadTime);
  HHOOK mouse = SetWindowsHookExW(WH_MOUSE, &MyHookProc, qb::hook::g_module, 0);
  HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD, &qb::hook::KeyboardHookProc,
                                     qb::hook::g_module, 0);
  g_shared.mouseHook = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(mouse));
  g_shared.keyboardHook = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(keyboard));
  return 0;
}

int ResetHook() {
  if (g_shared.mouseHook) {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(static_cast<INT_PTR>(g_shared.mouseHook)));
    g_shared.mouseHook = 0;
  }
  if (g_shared.keyboardHook) {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(static_cast<INT_PTR>(g_shared.keyboardHook)));
    g_shared.keyboardHook = 0;
  }
  return 0;
}

int HookInitProc() {
  for (auto& slot : g_shared.planNames) slot[0] = '\0';
  g_shared.groupNames[0] = '\0';
  return 0;
}

int HookPlanMenuDataSet(int groupIndex, const char* planNames) {
  if (groupIndex < 0 || groupIndex >= qb::hook::kPlanGroupCount) return 0;
  qb::hook::CopyIntoSlot(g_shared.planNames[groupIndex], planNames);
  return 0;
}

int HookPlanMenuGroupDataSet(const char* groupNames) {
  qb::hook::CopyIntoSlot(g_shared.groupNames, groupNames);
  return 0;
}

int HookPlanMenuStop(int stopped) {
  g_shared.planMenuStopped = stopped;
  return 0;
}
