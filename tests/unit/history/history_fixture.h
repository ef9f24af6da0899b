// A History list on the in-memory file system with a virtual clock, for the history tests.
#pragma once
#include <cstdio>
#include <string>

#include "app/settings/environment_settings.h"
#include "base/byte_shift.h"
#include "base/time_format.h"
#include "history/history_list.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

namespace qb {

inline constexpr char kHome[] = "C:\\QB\\tester\\";
inline constexpr char kClipsave[] = "C:\\QB\\tester\\clipsave";

inline std::string HistoryPath(int number) {
  char name[64];
  std::snprintf(name, sizeof name, "%s\\SAVE%04d.cln", kClipsave, number);
  return name;
}

struct HistoryWorld {
  HistoryWorld() { fs.putFolder("C:\\QB\\tester"); }

  std::unique_ptr<CHistoryList> makeList() {
    return std::make_unique<CHistoryList>(
        fs, clock, ui, settings, HistoryStoreSetup{kHome, "tester", [this] { ++closeRequests; }});
  }
  // The plain record of item `number`, or "<missing>".
  std::string item(int number) {
    std::optional<std::string> content = fs.contentOf(HistoryPath(number));
    return content ? ShiftBytesDown(*content) : std::string("<missing>");
  }
  void putItem(int number, const std::string& record) {
    fs.putFile(HistoryPath(number), ShiftBytesUp(record));
  }
  std::size_t fileCount() { return fs.list(std::string(kClipsave) + "\\*.cln").size(); }

  FakeClock clock;
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  EnvironmentSettings settings;
  int closeRequests = 0;
};

}  // namespace qb
