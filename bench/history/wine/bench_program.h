// The program under measurement and the clipboard writer: starting and ending quillbox2.exe,
// waiting until it takes clipboard texts, and putting texts on the clipboard at a steady rate.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::bench {

// Milliseconds of a steady clock.
double NowMs();
void SleepUntil(double atMs);
double Median(std::vector<double> values);

// Opens the clipboard (retrying while another program holds it) and sets the text.
void PutClipboardText(const std::string& ascii);

class ProgramRun {
 public:
  ProgramRun(const std::wstring& program, const std::vector<std::wstring>& arguments);
  ~ProgramRun();
  bool started() const { return info_.hProcess != nullptr; }
  bool running() const;
  double startedAtMs() const { return startedAt_; }
  DWORD id() const { return info_.dwProcessId; }
  // Waits for the end; false after `limitMs`.
  bool waitForEnd(DWORD limitMs) const;
  void terminate();

 private:
  PROCESS_INFORMATION info_{};
  double startedAt_ = 0;
};

// The main window of the program with this process id (0: of any process), or null.
HWND FindMainWindow(DWORD processId);

}  // namespace qb::bench
