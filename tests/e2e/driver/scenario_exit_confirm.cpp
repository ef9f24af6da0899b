// With "END_MSG" 1 the exit command asks first; No leaves the program running with its window
// shown, Yes ends it.
#include <windows.h>

#include "app/shell/shell_commands.h"
#include "app/win32/window_identity.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const std::wstring kExit = L"終了";
const std::wstring kQuestion = L"終了します。\nよろしいですか。";

// "終了" from the tray icon's menu.
void chooseExitInTrayMenu(const QuillboxUnderTest& quillbox) {
  PopupMenuReader reader(quillbox.windowThreadId());
  sendTrayCallback(quillbox.mainWindow(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
  const HWND menuWindow = waitForPopupMenu(quillbox.process().id());
  chooseMenuItem(reader, menuWindow, kExit);
}

MessageBoxView readExitQuestion(const QuillboxUnderTest& quillbox) {
  HWND box = nullptr;
  waitFor("the exit question", kStandardLimitMs, [&] {
    box = findMessageBox(quillbox.process().id(), L"Quillbox");
    return box != nullptr;
  });
  MessageBoxView view = readMessageBox(box);
  expect(view.text == kQuestion, "the exit question reads " + describe(view));
  return view;
}

}  // namespace

void runExitConfirmScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = dataHomeWithSetting(context, L"exit-confirm", "END_MSG=", "1");
  QuillboxUnderTest quillbox(context.program, dataHome);

  chooseExitInTrayMenu(quillbox);
  pressButton(readExitQuestion(quillbox), IDNO);
  waitFor("the window to be shown again", kStandardLimitMs,
          [&] { return IsWindowVisible(quillbox.mainWindow()) != FALSE; });
  expect(quillbox.process().isRunning(),
         "the program ended although No was chosen");

  // The same command again, now with the window shown (as its menu button sends it).
  PostMessageW(quillbox.mainWindow(), WM_COMMAND, shell_command::kExit, 0);
  pressButton(readExitQuestion(quillbox), IDYES);
  quillbox.waitForOrdinaryEnd("answering Yes to the exit question");
}

}  // namespace qb::e2e
