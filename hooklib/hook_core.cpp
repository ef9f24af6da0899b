#include "hooklib/hook_core.h"

#include <cstring>

#include "hooklib/hook_text.h"

namespace qb::hook {
namespace {

bool ValidGroup(int group) { return group >= 0 && group < kPlanGroupCount; }

// A slot's text never reaches past its end, even if a writer left it without its zero.
std::string_view SlotText(const char* slot) { return std::string_view(slot, strnlen(slot, kNameSlotBytes)); }

}  // namespace

PlanMenu BuildPlanMenu(const SharedState& shared) {
  PlanMenu menu;
  const int current = shared.currentPlanGroup;
  const std::vector<std::string> groups = SplitMenuLines(SlotText(shared.groupNames), kMaxGroupItems);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const int index = static_cast<int>(i);
    menu.groups.push_back({groups[i], kGroupCommandFirst + index, index == current,
                           index == kAlwaysDisabledGroup});
  }
  if (!ValidGroup(current)) return menu;
  const std::vector<std::string> plans =
      SplitMenuLines(SlotText(shared.planNames[current]), kMaxPlanItems);
  for (std::size_t i = 0; i < plans.size(); ++i) {
    menu.plans.push_back({plans[i], kPlanCommandFirst + static_cast<int>(i), false, false});
  }
  return menu;
}

bool HookCore::atEdge(int x) const {
  const int width = host_.screenWidth();
  return x == 0 || x == 1 || x == width - 2 || x == width - 1;
}

bool HookCore::edgeClick(Point point) {
  const int width = host_.screenWidth();
  const int height = host_.screenHeight();
  const bool edge = (point.x == 0 && shared_.leftEdgeOn == 1) ||
                    (point.x == width - 1 && shared_.rightEdgeOn == 1);
  return edge && point.y >= kEdgeClickMargin && point.y <= height - kEdgeClickMargin;
}

void HookCore::reportClickElsewhere(Point point) {
  if (shared_.clickReportOn != 1 || host_.mainWindowAt(point)) return;
  host_.report("MouseHook3");
}

bool HookCore::onMouse(MouseEvent event, Point point, WindowHandle target) {
  switch (event) {
    case MouseEvent::kMove: {
      const bool edge = atEdge(point.x);
      if (shared_.awayFromEdge == 1 && edge) {
        shared_.awayFromEdge = 0;
        if (shared_.leftEdgeOn == 1 || shared_.rightEdgeOn == 1) host_.report("MouseHook2");
      } else if (shared_.awayFromEdge == 0 && !edge) {
        shared_.awayFromEdge = 1;
      }
      return false;
    }
    case MouseEvent::kLeftDown:
      if (!edgeClick(point)) {
        reportClickElsewhere(point);
        return false;
      }
      if (shared_.buttonReleased != 1) return false;
      shared_.buttonReleased = 0;
      host_.synthesizeLeftButtonUp();
      host_.report("MouseHook");
      return true;
    case MouseEvent::kLeftUp:
      shared_.buttonReleased = 1;
      return false;
    case MouseEvent::kRightDown:
      reportClickElsewhere(point);
      shared_.swallowRightButton = 0;
      if (host_.ctrlHeld() && showPlanMenu(target, point) == 0) {
        shared_.swallowRightButton = 1;
        return true;
      }
      return false;
    case MouseEvent::kRightUp:
      return shared_.swallowRightButton == 1;
    case MouseEvent::kOther:
      return false;
  }
  return false;
}

bool HookCore::onKey(int virtualKey, bool keyUp) {
  if (shared_.planMenuOn != 1 || virtualKey != kVkApplications || !host_.ctrlHeld()) return false;
  if (!keyUp) return true;
  const WindowHandle foreground = host_.foregroundWindow();
  if (foreground == 0) return true;
  return showPlanMenu(foreground, host_.clientTopLeft(foreground)) == 0;
}

int HookCore::showPlanMenu(WindowHandle owner, Point point) {
  if (shared_.planMenuOn != 1 || shared_.planMenuStopped == 1 || owner == 0) return -1;
  for (int shown = 0; shown < kMenuShowLimit; ++shown) {
    const int command = host_.trackMenu(BuildPlanMenu(shared_), owner, point);
    if (command >= kPlanCommandFirst) {
      host_.report(PlanChosenReport(shared_.currentPlanGroup, command - kPlanCommandFirst));
      return 0;
    }
    if (command < kGroupCommandFirst || command > kGroupCommandLast) return 0;
    const int group = command - kGroupCommandFirst;
    if (ValidGroup(group)) shared_.currentPlanGroup = group;
  }
  return 0;
}

}  // namespace qb::hook
