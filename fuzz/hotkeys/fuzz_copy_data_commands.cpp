// Copy-data messages from any program: the bytes as the main window receives them, through the
// router and the hotkey controller's entries, then the one-shot timers they start.
#include <cstddef>
#include <cstdint>

#include "app/settings/key_table.h"
#include "app/settings/settings.h"
#include "app/settings/settings_key_tables.h"
#include "hotkeys/fake/fake_hook_library.h"
#include "hotkeys/fake/fake_hotkey_registrar.h"
#include "hotkeys/hotkey_controller.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_keyboard.h"
#include "platform/fake/scripted_ui.h"

namespace {

using namespace qb;

class NoTimers : public ShellTimers {
 public:
  void start(int, int) override {}
  void stop(int) override {}
};

class QuietHost : public CallUpHost {
 public:
  bool mainWindowInFront() override { return false; }
  bool mainWindowShown() override { return true; }
  bool pointerOverMainWindow() override { return false; }
  bool busy() override { return false; }
  bool occupied() override { return false; }
  void callUp(int, bool) override {}
  bool tabShown(TabKind) override { return true; }
  void selectTab(TabKind) override {}
  int currentGroup(TabKind) override { return 0; }
  void selectGroup(TabKind, int) override {}
  void selectRelatedTab(int) override {}
  void letGo() override {}
  void recordCaret() override {}
  void resumeCapture() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Settings settings = [] {
    Settings s;
    BindKeyTable(EnvironmentKeyTable(), s.environment, ScreenSize{1280, 800}).assignDefaults();
    BindKeyTable(PlanHotkeyKeyTable(), s.planHotkeys, ScreenSize{}).assignDefaults();
    return s;
  }();
  FakeClock clock;
  FakeKeyboard keyboard(clock);
  ScriptedUi ui;
  NoTimers timers;
  FakeHotkeyRegistrar registrar;
  FakeHookLibrary hooks;
  FakeFileSystem fs(clock);
  PlanFolderCatalog catalog(fs, "C:\\home\\");
  QuietHost host;
  HotkeyController controller(HotkeyParts{clock, keyboard, ui, timers, registrar, hooks, catalog,
                                          settings.environment, settings.planHotkeys, host});
  CopyDataRouter router;
  controller.addCopyDataEntries(router);
  controller.start(1);
  router.route(0, data, size);
  for (int timer : {frame_timer::kMouseCallUp, frame_timer::kPlanMenuRun}) controller.onTimer(timer);
  return 0;
}
