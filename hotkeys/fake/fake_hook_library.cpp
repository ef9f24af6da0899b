#include "hotkeys/fake/fake_hook_library.h"

namespace qb {

void FakeHookLibrary::initialize() {
  planNames_ = {};
  groupNames_.clear();
  log_.push_back("init");
}

void FakeHookLibrary::install(WindowId mainWindow, const HookSwitches& switches) {
  installed_ = true;
  switches_ = switches;
  receiver_ = mainWindow;
  log_.push_back("install");
}

void FakeHookLibrary::remove() {
  installed_ = false;
  log_.push_back("remove");
}

void FakeHookLibrary::setPlanNames(int group, const std::string& names) {
  if (group >= 0 && group < 10) planNames_[static_cast<std::size_t>(group)] = names;
  log_.push_back("plans " + std::to_string(group));
}

void FakeHookLibrary::setGroupNames(const std::string& names) {
  groupNames_ = names;
  log_.push_back("groups");
}

void FakeHookLibrary::stopPlanMenu(bool stopped) {
  stopped_ = stopped;
  log_.push_back(stopped ? "stop 1" : "stop 0");
}

}  // namespace qb
