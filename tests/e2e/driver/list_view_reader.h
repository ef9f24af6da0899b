// Reading the rows of a list view of another process and clicking them as a user would.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::e2e {

// The list view child of the main window; nullptr when there is none.
HWND findListView(HWND mainWindow);
// The texts of one column, row by row.
std::vector<std::wstring> listColumn(HWND listView, int column);
// A point inside the row's first column, on the screen.
POINT rowPoint(HWND listView, int row);
// Clicks the row with the mouse (inside its first column). With `holdingCtrl`, Ctrl goes down
// once the pointer is there and stays down until holdCtrl(false): under Wine, moving the pointer
// takes the key state from the X server again, which knows nothing of synthetic keys.
void clickRow(HWND listView, int row, bool holdingCtrl = false);
// Presses or releases Ctrl.
void holdCtrl(bool down);

}  // namespace qb::e2e

namespace qb::e2e {

// The status bar child of the main window and the text of one of its panes.
HWND findStatusBar(HWND mainWindow);
std::wstring statusPaneText(HWND statusBar, int pane);

}  // namespace qb::e2e
