// The copy-data commands other programs send the main window, and the plan and stack records read
// from item files: any bytes, never a crash, and what is taken stays within its bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/plan/capture_plan.h"
#include "app/plan/plan_commands.h"
#include "app/shell/copy_data_router.h"
#include "tabs/stack/stack_list.h"
#include "tabs/stack/stack_tab.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct CheckingTargets : qb::PlanCommandTargets {
  void activateWorkingWindow() override {}
  void outputToStack(std::string_view command) override {
    if (std::optional<qb::StackOutput> output = qb::ParseStackOutputCommand(command)) {
      Check(output->group >= 0 && output->group <= 9);
      Check(command.ends_with(output->text));
      Check(output->planName.find(":::") == std::string::npos);
    }
  }
  void clearStack(std::string_view command) override {
    if (std::optional<int> group = qb::ParseStackClearCommand(command)) Check(*group >= 0 && *group <= 9);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckingTargets targets;
  qb::PlanCommands commands(targets);
  qb::CopyDataRouter router;
  router.add(std::string(qb::PlanCommands::kPrefix),
             [&](std::string_view command) { return commands.handle(command); });
  if (std::optional<std::string_view> text = qb::CopyDataRouter::CommandText(0, data, size)) {
    Check(text->size() <= size);
    Check(text->find('\0') == std::string_view::npos);
    router.route(*text);
    // The same bytes as a plan command.
    router.route("0927Plan_OutStack" + std::string(*text));
    router.route("0927Plan_ClrStack" + std::string(*text));
  }
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qb::PlanRecord plan = qb::SplitPlanRecord(bytes);
  Check(plan.name.size() + plan.version.size() + plan.attributes.size() + plan.planText.size() <= size);
  qb::StackRecord stack = qb::SplitStackRecord(bytes);
  Check(stack.value.size() <= size);
  return 0;
}
