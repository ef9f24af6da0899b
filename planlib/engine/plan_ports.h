// What a running plan reaches outside its working text, besides the file system, the clock, the
// clipboard, the keyboard and message boxes (the platform ports). The plan library's host side
// implements these; the runner sees nothing else.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "planlib/screens/plan_screens.h"
#include "platform/ui.h"

namespace qb {

// The host program and the plan thread.
class PlanHost {
 public:
  virtual ~PlanHost() = default;
  // Sends a command text to the host window and waits until it is handled:
  // "0927Plan_HotKeyStop", "0927Plan_HotKeyStart", "0927Plan_ActWin",
  // "0927Plan_OutStack:::NN:::name:::text", "0927Plan_ClrStack:::NN".
  virtual void sendCommand(std::string_view command) = 0;
  // Dispatches the plan thread's pending window messages; a stop request may arrive in them.
  virtual void pumpMessages() = 0;
};

// Opening files, folders, addresses and programs through the shell.
class PlanShell {
 public:
  virtual ~PlanShell() = default;
  // The shell's "open" verb, shown normally; the shell's result (above 32 = success).
  // `ownedByHost`: the host window owns what the shell shows (opening a folder).
  virtual int open(std::string_view target, std::string_view parameters, bool ownedByHost) = 0;
};

// A notice window that is up; destroying the object closes it.
class PlanNoticeWindow {
 public:
  virtual ~PlanNoticeWindow() = default;
};

// The run-time windows of a plan. Each one belongs to the plan's hidden window; the screens run
// modally until the user answers through their model (or the plan thread is told to quit, which
// leaves the model cancelled).
class PlanDialogs {
 public:
  virtual ~PlanDialogs() = default;
  // A message box with its own caption (the confirmations of the message blocks).
  virtual MessageAnswer message(std::string_view caption, std::string_view text, MessageIcon icon,
                                MessageButtons buttons) = 0;
  // The topmost notice window; it stays up until the returned object is destroyed.
  virtual std::unique_ptr<PlanNoticeWindow> openNotice(const PlanNotice& notice) = 0;
  virtual void runInput(PlanInputModel& model) = 0;
  virtual void runDisplay(PlanDisplayModel& model) = 0;
  virtual void runSelect(PlanSelectModel& model) = 0;
};

}  // namespace qb
