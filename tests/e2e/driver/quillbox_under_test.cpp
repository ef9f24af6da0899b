#include "tests/e2e/driver/quillbox_under_test.h"

#include <cstdio>
#include <exception>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {

QuillboxUnderTest::QuillboxUnderTest(const std::wstring& program, const std::wstring& dataHome,
                                     const std::function<void(const ChildProcess&)>& atStart)
    : dataHome_(dataHome),
      process_(std::make_unique<ChildProcess>(program,
                                              std::vector<std::wstring>{L"--data-home=" + dataHome})) {
  if (atStart) atStart(*process_);
  waitForMainWindow();
}

QuillboxUnderTest::QuillboxUnderTest(const std::wstring& program,
                                     const std::wstring& expectedDataHome, ChosenByTheProgram)
    : dataHome_(expectedDataHome),
      process_(std::make_unique<ChildProcess>(program, std::vector<std::wstring>{})) {
  waitForMainWindow();
}

QuillboxUnderTest::~QuillboxUnderTest() {
  const bool failing = std::uncaught_exceptions() > 0;
  if (failing) printState();
  if (!process_->isRunning() || (failing && ChildProcess::keepRunningOnFailure)) return;
  if (mainWindow_) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
  pollUntil(kProgramEndLimitMs, [this] { return !process_->isRunning(); });
}

std::wstring QuillboxUnderTest::historyFolder() const {
  std::wstring folder = dataHome_;
  if (folder.back() != L'\\') folder += L'\\';
  return folder + L"clipsave";
}

void QuillboxUnderTest::waitForMainWindow() {
  const std::wstring title = kMainWindowTitle;
  waitFor("the main window (class QuillboxMainFrame, title Quillbox)", kStandardLimitMs,
          [&] {
            mainWindow_ = findWindowOf(process_->id(), Visibility::kVisibleOrHidden,
                                       kMainWindowClass, &title);
            return mainWindow_ != nullptr || !process_->isRunning();
          },
          [this] { return describeWindowsOf(process_->id()); });
  expect(mainWindow_ != nullptr, "the program ended before it showed its main window, exit code " +
                                     std::to_string(process_->exitCode()));
  // Its first wait for input comes after the start-up work, clipboard chain included.
  expect(process_->waitForInputIdle(kStandardLimitMs),
         "the program did not come to wait for input within " + std::to_string(kStandardLimitMs) +
             " ms after showing its main window");
}

void QuillboxUnderTest::closeAndWaitForEnd() const {
  PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
  waitForOrdinaryEnd("WM_CLOSE to the main window");
}

void QuillboxUnderTest::waitForOrdinaryEnd(const std::string& after) const {
  process_->waitForEnd("the program to end after " + after, kProgramEndLimitMs);
  expect(process_->exitCode() == 0,
         "the program ended with exit code " + std::to_string(process_->exitCode()));
}

void QuillboxUnderTest::printState() const {
  std::printf("  process %lu: %s\n", process_->id(),
              process_->isRunning() ? "running"
                                    : ("ended, exit code " + std::to_string(process_->exitCode())).c_str());
  std::printf("  windows: %s\n", describeWindowsOf(process_->id()).c_str());
  std::printf("  history files: %s\n", describeHistoryFolder(historyFolder()).c_str());
}

}  // namespace qb::e2e
