#include "tests/e2e/driver/tab_buttons.h"

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {

void clickTabButton(HWND mainWindow, const std::wstring& caption) {
  for (HWND child : childWindows(mainWindow)) {
    if (windowClassName(child) == L"Button" && controlText(child) == caption) {
      SendMessageW(child, BM_CLICK, 0, 0);
      return;
    }
  }
  expect(false, "the main window has no tab button " + quoted(caption));
}

}  // namespace qb::e2e
