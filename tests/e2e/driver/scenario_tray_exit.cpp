// The tray icon's right-click menu offers "終了", and choosing it ends the program.
#include <windows.h>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {

void runTrayExitScenario(const ScenarioContext& context) {
  const std::wstring kExit = L"終了";
  emptyClipboard();
  QuillboxUnderTest quillbox(context.program, freshDataHome(context, L"tray-exit"));
  PopupMenuReader reader(quillbox.windowThreadId());

  sendTrayCallback(quillbox.mainWindow(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
  const HWND menuWindow = waitForPopupMenu(quillbox.process().id());
  const std::vector<MenuEntry> entries = reader.read(menuWindow);
  noteStep(describe(entries));
  bool offersExit = false;
  for (const auto& entry : entries) offersExit = offersExit || entry.text == kExit;
  expect(offersExit, "the tray menu has no " + quoted(kExit) + "; " + describe(entries));

  chooseMenuItem(reader, menuWindow, kExit);
  quillbox.waitForOrdinaryEnd("choosing " + quoted(kExit) + " in the tray menu");
}

}  // namespace qb::e2e
