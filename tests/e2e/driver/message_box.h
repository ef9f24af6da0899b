// Message boxes of another process: find one by caption, read its text and buttons, press one.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::e2e {

struct MessageBoxButton {
  int id;
  std::wstring text;
};

struct MessageBoxView {
  HWND dialog = nullptr;
  std::wstring caption;
  std::wstring text;  // the text control; the icon control is not counted
  std::vector<MessageBoxButton> buttons;
};

// A visible dialog ("#32770") of `processId` with this caption; nullptr when there is none.
HWND findMessageBox(DWORD processId, const std::wstring& caption);
MessageBoxView readMessageBox(HWND dialog);
std::string describe(const MessageBoxView& box);

// Presses the button with this control id (BM_CLICK), as a click of the user would.
void pressButton(const MessageBoxView& box, int buttonId);

}  // namespace qb::e2e
