// The steps every scenario that pastes shares: a text copied in the driver's editor, the editor
// as the program's working document, and the program's window called up from its tray icon.
#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/target_window.h"

namespace qb::e2e {

// The tray click calls the window up; the list of the current tab.
HWND callUp(const QuillboxUnderTest& quillbox);
// The program follows the window in front every 100 ms: the editor becomes its working document.
void focusEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor);
// Copies the text in the editor and waits for its History item.
void copyInEditor(const QuillboxUnderTest& quillbox, const TargetWindow& editor,
                  const std::wstring& text);

}  // namespace qb::e2e
