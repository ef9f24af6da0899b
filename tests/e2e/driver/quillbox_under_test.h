// One run of quillbox2.exe with its own data home, from start to end.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/e2e/driver/child_process.h"

namespace qb::e2e {

// Starting the program without "--data-home", as the Start menu or Explorer does: the program
// chooses its data home itself, and the scenario names where it expects it.
struct ChosenByTheProgram {};

class QuillboxUnderTest {
 public:
  // Starts the program with "--data-home=<dataHome>" and waits for its main window; `atStart`,
  // when given, first answers what the program asks before its window is there.
  QuillboxUnderTest(const std::wstring& program, const std::wstring& dataHome,
                    const std::function<void(const ChildProcess&)>& atStart = {});
  // Starts the program without arguments; `expectedDataHome` is where it should keep its files.
  QuillboxUnderTest(const std::wstring& program, const std::wstring& expectedDataHome,
                    ChosenByTheProgram);
  // When the scenario failed, the program's windows and history files are printed. A run that
  // a scenario left running gets a close request, then ChildProcess's end.
  ~QuillboxUnderTest();
  QuillboxUnderTest(const QuillboxUnderTest&) = delete;
  QuillboxUnderTest& operator=(const QuillboxUnderTest&) = delete;

  const ChildProcess& process() const { return *process_; }
  HWND mainWindow() const { return mainWindow_; }
  DWORD windowThreadId() const { return GetWindowThreadProcessId(mainWindow_, nullptr); }
  std::wstring historyFolder() const;

  // Ends the program the ordinary way (WM_CLOSE to its main window) and checks that it ends
  // with exit code 0.
  void closeAndWaitForEnd() const;
  // Checks that the process ended by itself with exit code 0, within the time allowed for the
  // tray icon removal.
  void waitForOrdinaryEnd(const std::string& after) const;

 private:
  void waitForMainWindow();
  void printState() const;

  std::wstring dataHome_;
  std::unique_ptr<ChildProcess> process_;
  HWND mainWindow_ = nullptr;
};

}  // namespace qb::e2e
