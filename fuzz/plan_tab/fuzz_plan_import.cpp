// Any file given to the Plan tab's import either becomes a plan item that is stored and read
// back the same, or is refused with a message; nothing else happens.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tabs/plan/plan_import.h"
#include "tabs/plan/plan_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qb::FakeClock clock;
  qb::FakeFileSystem fs(clock);
  qb::ScriptedUi ui;
  fs.putFolder("C:\\home\\Plan\\PlanDir00");
  fs.putFile("C:\\in\\plan.txt", std::string_view(reinterpret_cast<const char*>(data), size));
  qb::PlanItem item;
  if (qb::ReadPlanFile(fs, ui, "C:\\in\\plan.txt", item) != 0) {
    if (ui.boxes().size() != 1) std::abort();
    return 0;
  }
  if (!ui.boxes().empty() || item.name.empty() || item.name.find(":::") != std::string::npos) {
    std::abort();
  }
  qb::PlanStore store(fs, "C:\\home\\");
  qb::FileError failure;
  std::optional<std::string> name = store.add(0, item, clock.localNow(), failure);
  qb::PlanItem back;
  if (!name || !store.read(0, *name, back)) std::abort();
  if (back.name != item.name || back.version != item.version || back.text != item.text) std::abort();
  return 0;
}
