#include "tabs/plan/plan_tab_unit.h"

namespace qb {

PlanTabUnit::PlanTabUnit(PlanTabUnitParts parts)
    : settings_(parts.settings),
      store_(parts.fs, parts.dataHome),
      directory_(store_),
      installer_(parts.library, store_, parts.ui, parts.clock),
      list_({parts.fs, parts.clock, parts.ui, parts.settings.environment,
             parts.settings.planHotkeys, store_}) {
  // The list keeps its own rows; plans the installer stores reach the list by a reload.
  list_.groupChanged = [this](int group) { directory_.refresh(group); };
  installer_.groupChanged = [this](int group) {
    directory_.refresh(group);
    if (group == list_.shownGroup()) list_.load();
  };
}

void PlanTabUnit::start() {
  installer_.installWhenDue(settings_.environment);
  directory_.refreshAll();
  list_.load();
}

}  // namespace qb
