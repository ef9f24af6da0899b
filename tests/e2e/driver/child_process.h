// A program the driver starts, as the user would from Explorer, and watches until it ends.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::e2e {

// One command-line argument quoted the way CommandLineToArgvW reads it back.
std::wstring quoteArgument(const std::wstring& argument);

class ChildProcess {
 public:
  ChildProcess(const std::wstring& program, const std::vector<std::wstring>& arguments);
  // A process still running is terminated, except when a scenario fails with
  // keepRunningOnFailure set: then it is left as it is, for a screenshot of the failure.
  ~ChildProcess();

  static inline bool keepRunningOnFailure = false;

  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  bool isRunning() const;
  DWORD exitCode() const;  // STILL_ACTIVE while it runs
  void waitForEnd(const std::string& what, DWORD limitMs) const;
  // Whether the process came to wait for user input (WaitForInputIdle) within the limit.
  bool waitForInputIdle(DWORD limitMs) const;

 private:
  void terminate() const;

  PROCESS_INFORMATION info_{};
};

}  // namespace qb::e2e
