#include "hotkeys/win32/win32_hook_library.h"

#include "hooklib/qlbxhook.h"

namespace qb {

void Win32HookLibrary::initialize() { HookInitProc(); }

void Win32HookLibrary::install(WindowId mainWindow, const HookSwitches& switches) {
  SetHook(reinterpret_cast<HWND>(mainWindow), switches.leftEdge ? 1 : 0, switches.rightEdge ? 1 : 0,
          switches.planMenu ? 1 : 0, switches.clickReport ? 1 : 0, switches.currentPlanGroup);
}

void Win32HookLibrary::remove() { ResetHook(); }

void Win32HookLibrary::setPlanNames(int group, const std::string& names) {
  HookPlanMenuDataSet(group, names.c_str());
}

void Win32HookLibrary::setGroupNames(const std::string& names) {
  HookPlanMenuGroupDataSet(names.c_str());
}

void Win32HookLibrary::stopPlanMenu(bool stopped) { HookPlanMenuStop(stopped ? 1 : 0); }

}  // namespace qb
