// Plan groups on the in-memory file system with a virtual clock, the plan thread as a recorder,
// and the standard-plan library linked in, for the Plan tab tests.
#pragma once
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/settings/environment_settings.h"
#include "app/settings/plan_hotkey_settings.h"
#include "base/byte_shift.h"
#include "plandata/plandata.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tabs/plan/plan_data_library.h"
#include "tabs/plan/plan_list.h"
#include "tabs/plan/plan_thread_port.h"
#include "tabs/plan/plan_store.h"
#include "tests/support/ui_expect.h"

namespace qb {

inline constexpr char kPlanHome[] = "C:\\QB\\tester\\";

inline std::string PlanPath(int group, int number) {
  char path[128];
  std::snprintf(path, sizeof path, "%sPlan\\PlanDir%02d\\PLAN%03d.cln", kPlanHome, group, number);
  return path;
}

inline std::string PlanText(const std::string& name) {
  return "<@@PLAN_NAME>" + name + "<@@/PLAN_NAME><@@INSERT><@@KIND_ADR>5<@@/KIND_ADR>"
         "<@@KIND_IMS>1<@@/KIND_IMS><@@IDX_IN>1<@@/IDX_IN><@@DATAIN>!<@@/DATAIN><@@/INSERT>";
}

inline std::string PlanItemText(const std::string& name, const std::string& version = "V1.20") {
  return name + ":::" + version + ":::0000000000:::0:::0:::" + PlanText(name);
}

// The plan thread: busy or not, every run handed to it, and the edit in progress, which the test
// ends with the editor's answer.
class RecordingPlanThread : public PlanThreadPort {
 public:
  using Edited = std::function<void(const PlanEditInputs&, const PlanEditOutcome&)>;
  bool busy() const override { return busy_; }
  void requestRun(PlanRunInputs inputs) override { runs.push_back(std::move(inputs)); }
  bool requestEdit(PlanEditInputs inputs, Edited edited) override {
    if (busy_) return false;
    busy_ = true;
    edits.push_back(std::move(inputs));
    edited_ = std::move(edited);
    return true;
  }
  void endEdit(const PlanEditOutcome& outcome) {
    busy_ = false;
    Edited edited = std::move(edited_);
    edited(edits.back(), outcome);
  }
  void setBusy(bool busy) { busy_ = busy; }
  std::vector<PlanRunInputs> runs;
  std::vector<PlanEditInputs> edits;

 private:
  bool busy_ = false;
  Edited edited_;
};

// plandata.dll as linked into the test: it can be missing, or lack an export.
class LinkedPlanDataLibrary : public PlanDataLibrary {
 public:
  bool present = true;
  std::string missingExport;

  std::unique_ptr<PlanDataModule> load() override {
    if (!present) return nullptr;
    return std::make_unique<Module>(missingExport);
  }

 private:
  class Module : public PlanDataModule {
   public:
    explicit Module(std::string missing) : missing_(std::move(missing)) {}
    PlanDataExport find(std::string_view name) override {
      if (name == missing_) return nullptr;
      if (name == "m_GetPlanDataRireki") return &m_GetPlanDataRireki;
      if (name == "m_GetPlanDataHotKey") return &m_GetPlanDataHotKey;
      if (name == "m_GetPlanDataHotKey2") return &m_GetPlanDataHotKey2;
      return nullptr;
    }

   private:
    std::string missing_;
  };
};

struct PlanWorld {
  PlanWorld() {
    clock.setLocalNow({2024, 5, 1, 9, 0, 0, 0, 3});
    for (int group = 0; group < kPlanGroupCount; ++group) {
      char folder[128];
      std::snprintf(folder, sizeof folder, "%sPlan\\PlanDir%02d", kPlanHome, group);
      fs.putFolder(folder);
      settings.PlanDir_Ar[static_cast<std::size_t>(group)] = "プラングループ" + std::to_string(group + 1);
    }
    settings.PlanDir_Ar[0] = "プラン呼び出し専用";
    settings.PlanDir_Ar[1] = "履歴取得時呼び出し専用";
    settings.PlanDir_Ar[2] = "ホットキー呼び出し専用";
    settings.PlanDir_Idx = 2;
    settings.Plan_Enable = 1;
    hotkeys.PlanHotKeyGroup.fill(2);
    list.groupChanged = [this](int group) { changedGroups.push_back(group); };
    list.hotkeysChanged = [this] { ++hotkeyChanges; };
  }

  // A plan file written as another copy of the program would, one second after the last.
  void putPlan(int group, int number, const std::string& name) {
    fs.putFile(PlanPath(group, number), ShiftBytesUp(PlanItemText(name)));
    clock.advance(1000);
  }
  void giveHotkey(int slot, int group, const std::string& fileName) {
    std::size_t i = static_cast<std::size_t>(slot);
    hotkeys.PlanHotKey1[i] = 17;
    hotkeys.PlanHotKey2[i] = 18;
    hotkeys.PlanHotKey4[i] = '1' + slot;
    hotkeys.PlanHotKeyGroup[i] = group;
    hotkeys.PlanHotKeyFileName[i] = fileName;
    ++hotkeys.PlanHotKeyIdx;
  }
  std::string names() const {
    std::string all;
    for (int row = 0; row < list.rowCount(); ++row) all += list.text(row, plan_column::kName) + ",";
    return all;
  }
  std::size_t fileCount(int group) {
    char pattern[128];
    std::snprintf(pattern, sizeof pattern, "%sPlan\\PlanDir%02d\\*.cln", kPlanHome, group);
    return fs.list(pattern).size();
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  EnvironmentSettings settings;
  PlanHotkeySettings hotkeys;
  PlanStore store{fs, kPlanHome};
  CPlanList list{{fs, clock, ui, settings, hotkeys, store}};
  RecordingPlanThread requests;
  std::vector<int> changedGroups;
  int hotkeyChanges = 0;
};

}  // namespace qb
