// The copy-data commands of the plan library, handled on the window thread: the plan-clipboard
// flag ("0927Plan_HotKeyStop" / "0927Plan_HotKeyStart"), the working window brought to the front
// ("0927Plan_ActWin"), and the stack output and clear commands.
#pragma once
#include <string_view>

namespace qb {

// What the commands reach in the program.
class PlanCommandTargets {
 public:
  virtual ~PlanCommandTargets() = default;
  // The working window comes to the front; it is there when this returns.
  virtual void activateWorkingWindow() = 0;
  // "0927Plan_OutStack:::NN:::name:::text" as it came (the stack tab splits it).
  virtual void outputToStack(std::string_view command) = 0;
  // "0927Plan_ClrStack:::NN".
  virtual void clearStack(std::string_view command) = 0;
};

class PlanCommands {
 public:
  static constexpr std::string_view kPrefix = "0927Plan_";

  explicit PlanCommands(PlanCommandTargets& targets) : targets_(targets) {}

  // True when the text was one of the commands.
  bool handle(std::string_view command);

  // Set while a plan block drives the keyboard or the clipboard: hotkeys are ignored, and
  // clipboard captures go to stack group 00.
  bool clipboardFlag() const { return clipboardFlag_; }

 private:
  PlanCommandTargets& targets_;
  bool clipboardFlag_ = false;
};

}  // namespace qb
