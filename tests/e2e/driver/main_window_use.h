// What scenarios do with the main window as a user: call it up from the tray, make the driver's
// editor its working document.
#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/target_window.h"

namespace qb::e2e {

// The tray click calls the window up; its list view.
HWND callUpFromTray(const QuillboxUnderTest& quillbox);
// The program follows the window in front every 100 ms: the editor becomes its working document.
void focusEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor);
// Copies the text in the editor and waits for its History item.
void copyInEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor,
                  const std::wstring& text);
// Waits until the value column of the list shows exactly these rows.
void waitForRows(HWND list, const std::vector<std::wstring>& rows, const std::string& what);

}  // namespace qb::e2e
