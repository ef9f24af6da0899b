// A Save list on the in-memory file system with a virtual clock, for the Save tab tests.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "app/settings/environment_settings.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tabs/save/save_list.h"

namespace qb {

inline constexpr char kSaveHome[] = "C:\\QB\\tester\\";

inline std::string SaveItemPath(int group, int number) {
  char path[128];
  std::snprintf(path, sizeof path, "%sラベル付き格納%02d\\CLIP%03d.cln", kSaveHome, group, number);
  return path;
}

struct SaveWorld {
  SaveWorld() {
    clock.setLocalNow({2024, 5, 1, 9, 0, 0, 0, 3});
    for (int group = 0; group < 10; ++group) {
      char folder[128];
      std::snprintf(folder, sizeof folder, "%sラベル付き格納%02d", kSaveHome, group);
      fs.putFolder(folder);
      settings.CLIPDIR_AR[static_cast<std::size_t>(group)] = "G" + std::to_string(group + 1);
      settings.Hozon_Label_Width[static_cast<std::size_t>(group)] = 75;
    }
    settings.Hozon_Del_Flg = 1;
    list = std::make_unique<CSaveList>(fs, clock, ui, settings,
                                       SaveStoreSetup{kSaveHome, [this] { ++closeRequests; }});
  }
  std::string item(int group, int number) {
    return fs.contentOf(SaveItemPath(group, number)).value_or("<missing>");
  }
  // Labels of the rows, top first, joined by ",".
  std::string labels() const {
    std::string all;
    for (int row = 0; row < list->rowCount(); ++row) all += list->text(row, 0) + ",";
    return all;
  }
  // Stores `count` items "L1".."Ln" into a group, one second apart.
  void fill(int group, int count) {
    for (int i = 1; i <= count; ++i) {
      list->storeInGroup(group, "L" + std::to_string(i), "v" + std::to_string(i));
      clock.advance(1000);
    }
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  EnvironmentSettings settings;
  int closeRequests = 0;
  std::unique_ptr<CSaveList> list;
};

}  // namespace qb
