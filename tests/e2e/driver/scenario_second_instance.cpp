// A second start with the first one running says so in a message box and ends; the first
// instance goes on capturing.
#include <windows.h>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/child_process.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

const std::wstring kCaption = L"Quillbox";
const std::wstring kAlreadyRunning = L"Quillboxは既に起動しています";
const std::wstring kCopiedAfterwards = L"二重起動の後のコピー";

MessageBoxView waitForAlreadyRunningBox(const ChildProcess& second) {
  HWND box = nullptr;
  waitFor("the second instance's message box with caption \"Quillbox\"", kStandardLimitMs,
          [&] {
            box = findMessageBox(second.id(), kCaption);
            return box != nullptr || !second.isRunning();
          },
          [&] { return describeWindowsOf(second.id()); });
  expect(box != nullptr, "the second instance ended without a message box, exit code " +
                             std::to_string(second.exitCode()));
  return readMessageBox(box);
}

void expectOkOnlyBox(const MessageBoxView& box) {
  expect(box.text == kAlreadyRunning, "expected the text " + quoted(kAlreadyRunning) + ", saw " +
                                          describe(box));
  expect(box.buttons.size() == 1 && box.buttons[0].id == IDOK,
         "expected an OK button only, saw " + describe(box));
}

void expectFirstStillServing(const QuillboxUnderTest& first) {
  expect(first.process().isRunning(), "the first instance ended as well");
  expect(FindWindowW(kMainWindowClass, kMainWindowTitle) == first.mainWindow(),
         "the main window found by class and title is not the first instance's");
  expect(findMessageBox(first.process().id(), kCaption) == nullptr,
         "the first instance shows a message box too: " + describeWindowsOf(first.process().id()));
  const auto before = historyFileNames(first.historyFolder());
  putClipboardText(kCopiedAfterwards);
  const std::string value = toShiftJis(kCopiedAfterwards);
  const std::wstring name = waitForNewHistoryItem(first.historyFolder(), before, value);
  expectFreshRecord(name, readUnshifted(first.historyFolder() + L"\\" + name).value_or(""), value);
}

}  // namespace

void runSecondInstanceScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"second-instance");
  QuillboxUnderTest first(context.program, dataHome);
  {
    ChildProcess second(context.program, {L"--data-home=" + dataHome});
    const MessageBoxView box = waitForAlreadyRunningBox(second);
    expectOkOnlyBox(box);
    pressButton(box, IDOK);
    second.waitForEnd("the second instance to end after OK", kStandardLimitMs);
    noteStep("the second instance ended, exit code " + std::to_string(second.exitCode()));
  }
  expectFirstStillServing(first);
  first.closeAndWaitForEnd();
}

}  // namespace qb::e2e
