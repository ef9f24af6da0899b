// The tabs of the main window as a user works them: the tab buttons, the bar of the current tab,
// a row's context menu with its submenus, dragging a row, and the fields of the program's dialogs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::e2e {

// A visible child of `parent` of this class with this text; nullptr when there is none.
HWND findVisibleChild(HWND parent, const std::wstring& className, const std::wstring& text);
// Presses the tab button with this caption and waits until it shows pressed.
void chooseTab(HWND mainWindow, const std::wstring& caption);
// Presses a button of the current tab's bar (posted: a dialog it opens does not block).
void pressBarButton(HWND mainWindow, const std::wstring& caption);
// The current tab's combo box.
HWND barComboBox(HWND mainWindow);
// Chooses an entry as a user's choice would (the program gets CBN_SELCHANGE).
void chooseComboItem(HWND comboBox, int index);
int comboSelection(HWND comboBox);
std::wstring comboItemText(HWND comboBox, int index);

// Right-clicks the row and chooses the items of `path` in its menu; each item but the last opens
// a submenu.
void chooseRowMenu(HWND listView, int row, const std::vector<std::wstring>& path);
// Opens the popup menu already requested (a right click, WM_CONTEXTMENU) and chooses `path`.
void chooseFromPopupMenu(DWORD processId, DWORD threadId, const std::vector<std::wstring>& path);
// Drags row `from` with the mouse and lets it go over row `to`.
void dragRow(HWND listView, int from, int to);

// A visible dialog of the program with this caption.
HWND waitForDialog(DWORD processId, const std::wstring& caption);
void waitForDialogGone(HWND dialog);
// Sets the text of a dialog's field (the field reports the change as typing does).
void setFieldText(HWND dialog, int id, const std::wstring& text);
void pressDialogButton(HWND dialog, int id);
// Answers the program's box with this text (caption "Quillbox") with the button.
void answerBox(DWORD processId, const std::wstring& text, int buttonId);

}  // namespace qb::e2e
