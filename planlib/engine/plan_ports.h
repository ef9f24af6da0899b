// What a running plan reaches outside its working text, besides the file system, the clock, the
// clipboard and message boxes (the platform ports). The plan library's host side implements
// these; the runner sees nothing else.
#pragma once
#include <string>
#include <string_view>
#include <vector>

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

// Synthetic key presses into the working window (virtual-key codes).
class PlanKeyboard {
 public:
  virtual ~PlanKeyboard() = default;
  virtual void keyDown(int virtualKey) = 0;
  virtual void keyUp(int virtualKey) = 0;
};

// Opening files, folders, addresses and programs; file and folder choosers.
class PlanShell {
 public:
  virtual ~PlanShell() = default;
  // The shell's "open" verb, shown normally; the shell's result (above 32 = success).
  virtual int open(std::string_view target, std::string_view parameters) = 0;
  // Empty when the user cancelled.
  virtual std::string chooseFileToOpen(std::string_view initial) = 0;
  virtual std::string chooseFileToSave(std::string_view initial) = 0;
  virtual std::string chooseFolder(std::string_view initial) = 0;
};

struct PlanColor {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// The run-time windows of a plan. Each returns false when the user cancelled the plan in it
// (after confirming the cancel).
class PlanDialogs {
 public:
  virtual ~PlanDialogs() = default;
  // The topmost notice window, closed by itself after `milliseconds`.
  virtual void showNotice(std::string_view text, int milliseconds, PlanColor textColor,
                          PlanColor backColor) = 0;
  // An input window; `value` holds the prefill and receives the entry.
  virtual bool inputText(std::string_view heading, bool multiLine, bool required,
                         std::string& value) = 0;
  // A display window; `suppressLater` is set when "これ以降は表示しない" was pressed.
  virtual bool displayText(std::string_view heading, std::string_view text, bool offerSuppress,
                           bool& suppressLater) = 0;
  // A selection window; `chosen` receives the 1-based button number.
  virtual bool select(std::string_view heading, const std::vector<std::string>& buttons,
                      int& chosen) = 0;
};

}  // namespace qb
