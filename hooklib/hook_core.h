// What the hook procedures decide, apart from Windows: edge clicks and clicks elsewhere, the
// plan popup menu and its keys, all over the shared section. The library's Win32 side turns
// hook calls into these calls and carries out what `HookHost` is asked.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hooklib/shared_section.h"

namespace qb::hook {

using WindowHandle = std::intptr_t;  // 0: no window

struct Point {
  int x = 0;
  int y = 0;
};

inline constexpr int kEdgeClickMargin = 50;    // no edge click within 50 px of top or bottom
inline constexpr int kMaxGroupItems = 10;
inline constexpr int kMaxPlanItems = 100;
inline constexpr int kGroupCommandFirst = 7001;
inline constexpr int kGroupCommandLast = 7100;
inline constexpr int kPlanCommandFirst = 7101;
inline constexpr int kMenuShowLimit = 20;      // group switches re-show the menu, 20 times in all
inline constexpr int kAlwaysDisabledGroup = 1;
inline constexpr int kVkApplications = 93;
inline constexpr const char* kGroupSubmenuCaption = "プラングループ切り換え";

struct PlanMenuItem {
  std::string text;
  int command = 0;
  bool checked = false;
  bool grayed = false;
};

// The popup menu: the group submenu first, a separator, then the plans of the current group.
struct PlanMenu {
  std::vector<PlanMenuItem> groups;
  std::vector<PlanMenuItem> plans;
};

PlanMenu BuildPlanMenu(const SharedState& shared);

// What the hook procedures ask of the desktop they run in.
class HookHost {
 public:
  virtual ~HookHost() = default;
  virtual int screenWidth() = 0;   // primary screen
  virtual int screenHeight() = 0;
  // True when the top-level window under the point is the main window.
  virtual bool mainWindowAt(Point point) = 0;
  virtual bool ctrlHeld() = 0;
  // Sends one report to the main window and returns once it was handled.
  virtual void report(std::string_view text) = 0;
  virtual void synthesizeLeftButtonUp() = 0;
  virtual WindowHandle foregroundWindow() = 0;
  // The screen position of the window's client area's top-left corner.
  virtual Point clientTopLeft(WindowHandle window) = 0;
  // Tracks the menu at the point and returns the chosen command, 0 for none.
  virtual int trackMenu(const PlanMenu& menu, WindowHandle owner, Point point) = 0;
};

enum class MouseEvent { kMove, kLeftDown, kLeftUp, kRightDown, kRightUp, kOther };

class HookCore {
 public:
  HookCore(SharedState& shared, HookHost& host) : shared_(shared), host_(host) {}

  // A mouse message of the thread's queue; `target` is the window it goes to. True: swallow it.
  bool onMouse(MouseEvent event, Point point, WindowHandle target);
  // A key message; true: swallow it.
  bool onKey(int virtualKey, bool keyUp);
  // -1 when the menu is not shown (switched off, stopped while busy, no owner), else 0.
  int showPlanMenu(WindowHandle owner, Point point);

 private:
  bool atEdge(int x) const;
  bool edgeClick(Point point);
  void reportClickElsewhere(Point point);

  SharedState& shared_;
  HookHost& host_;
};

}  // namespace qb::hook
