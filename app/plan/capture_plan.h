// The capture plan: with RirekiGetPlanFlg= on, every new History item runs the plan whose file
// RirekiGetPlanName= names in the second plan group ("PlanDir01") on the captured text
// (m_PlanRrCallGo). While a plan is edited or run the capture is only counted.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "app/plan/plan_thread.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

// The plan record of a plan item file, after the byte shift is undone.
struct PlanRecord {
  std::string name;
  std::string version;
  std::string attributes;
  std::string planText;
};
// name ":::" version ":::" attributes ":::0:::0:::" plan text; missing parts stay empty.
PlanRecord SplitPlanRecord(std::string_view record);

// Where run requests go (the plan thread).
class PlanRequests {
 public:
  virtual ~PlanRequests() = default;
  virtual PlanMode mode() const = 0;
  virtual bool requestRun(PlanRunRequest request) = 0;
};

class CapturePlan {
 public:
  // `workingWindowTitle` gives the title of the working window at the time of the run.
  CapturePlan(FileSystem& files, Ui& ui, PlanRequests& plans, std::string dataHome,
              std::function<std::string()> workingWindowTitle);

  // A new History item was stored: runs the plan, or counts the capture while a plan is busy.
  void onCapture(std::string_view planFileName, std::string_view text);
  // m_PlanRrCallGo: reads the plan from "PlanDir01" and asks the plan thread to run it on the
  // text. 0, or -1 after the read-failure message.
  int m_PlanRrCallGo(std::string_view planFileName, std::string_view text);

  // Captures for which the plan was not called.
  int skippedCaptures() const { return skipped_; }
  void resetSkippedCaptures() { skipped_ = 0; }

 private:
  FileSystem& files_;
  Ui& ui_;
  PlanRequests& plans_;
  std::string dataHome_;
  std::function<std::string()> workingWindowTitle_;
  int skipped_ = 0;
};

}  // namespace qb
