#include "tests/e2e/driver/tab_driving.h"

#include <commctrl.h>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/keyboard.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

void mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  expect(SendInput(1, &input, sizeof input) == 1, "SendInput refused a mouse event");
}

// A visible popup menu window of the process other than those given.
HWND waitForMenuWindow(DWORD processId, const std::vector<HWND>& known) {
  HWND found = nullptr;
  waitFor("a popup menu window (#32768) of the program", kStandardLimitMs, [&] {
    for (HWND window : topLevelWindows()) {
      if (windowProcessId(window) != processId || !IsWindowVisible(window)) continue;
      if (windowClassName(window) != L"#32768") continue;
      bool seen = false;
      for (HWND other : known) seen |= other == window;
      if (!seen) found = window;
    }
    return found != nullptr;
  }, [&] { return describeWindowsOf(processId); });
  return found;
}

}  // namespace

HWND findVisibleChild(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : childWindows(parent)) {
    if (IsWindowVisible(child) && windowClassName(child) == className && controlText(child) == text) {
      return child;
    }
  }
  return nullptr;
}

void chooseTab(HWND mainWindow, const std::wstring& caption) {
  HWND button = findVisibleChild(mainWindow, L"Button", caption);
  expect(button != nullptr, "the main window has no tab button " + quoted(caption));
  PostMessageW(button, BM_CLICK, 0, 0);
  waitFor("the tab button " + quoted(caption) + " to show pressed", kStandardLimitMs,
          [&] { return (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; });
  noteStep("chose the tab " + quoted(caption));
}

void pressBarButton(HWND mainWindow, const std::wstring& caption) {
  HWND button = nullptr;
  waitFor("the bar button " + quoted(caption), kStandardLimitMs,
          [&] { return (button = findVisibleChild(mainWindow, L"Button", caption)) != nullptr; });
  PostMessageW(button, BM_CLICK, 0, 0);
  noteStep("pressed " + quoted(caption));
}

HWND barComboBox(HWND mainWindow) {
  for (HWND child : childWindows(mainWindow)) {
    if (IsWindowVisible(child) && windowClassName(child) == L"ComboBox") return child;
  }
  expect(false, "the current tab has no combo box");
  return nullptr;
}

void chooseComboItem(HWND comboBox, int index) {
  SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(GetParent(comboBox), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(comboBox), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(comboBox));
  noteStep("chose entry " + std::to_string(index) + " of a combo box");
}

int comboSelection(HWND comboBox) {
  return static_cast<int>(SendMessageW(comboBox, CB_GETCURSEL, 0, 0));
}

std::wstring comboItemText(HWND comboBox, int index) {
  const auto length = SendMessageW(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void chooseFromPopupMenu(DWORD processId, DWORD threadId, const std::vector<std::wstring>& path) {
  PopupMenuReader reader(threadId);
  std::vector<HWND> open;
  for (std::size_t i = 0; i < path.size(); ++i) {
    HWND menu = waitForMenuWindow(processId, open);
    open.push_back(menu);
    chooseMenuItem(reader, menu, path[i]);  // Enter on a submenu item opens the submenu
  }
}

void chooseRowMenu(HWND listView, int row, const std::vector<std::wstring>& path) {
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(listView, &processId);
  // A menu still closing swallows the next click.
  waitFor("no popup menu of the program", kStandardLimitMs,
          [&] { return findWindowOf(processId, Visibility::kVisibleOnly, L"#32768") == nullptr; });
  Sleep(700);
  const POINT where = rowPoint(listView, row);
  SetCursorPos(where.x, where.y);
  mouse(MOUSEEVENTF_RIGHTDOWN);
  mouse(MOUSEEVENTF_RIGHTUP);
  noteStep("right-clicked row " + std::to_string(row));
  chooseFromPopupMenu(processId, threadId, path);
}

void dragRow(HWND listView, int from, int to) {
  const POINT start = rowPoint(listView, from);
  const POINT end = rowPoint(listView, to);
  SetCursorPos(start.x, start.y);
  mouse(MOUSEEVENTF_LEFTDOWN);
  Sleep(100);
  for (int step = 1; step <= 10; ++step) {
    SetCursorPos(start.x + step, start.y + (end.y - start.y) * step / 10);
    mouse(MOUSEEVENTF_MOVE);
    Sleep(30);
  }
  Sleep(100);
  mouse(MOUSEEVENTF_LEFTUP);
  noteStep("dragged row " + std::to_string(from) + " onto row " + std::to_string(to));
}

HWND waitForDialog(DWORD processId, const std::wstring& caption) {
  HWND dialog = nullptr;
  waitFor("the dialog " + quoted(caption), kStandardLimitMs,
          [&] { return (dialog = findMessageBox(processId, caption)) != nullptr; },
          [&] { return describeWindowsOf(processId); });
  noteStep("the dialog " + quoted(caption) + " is open");
  return dialog;
}

void waitForDialogGone(HWND dialog) {
  waitFor("the dialog to close", kStandardLimitMs, [&] { return IsWindow(dialog) == FALSE; });
}

void setFieldText(HWND dialog, int id, const std::wstring& text) {
  HWND field = GetDlgItem(dialog, id);
  expect(field != nullptr, "the dialog has no field " + std::to_string(id));
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  // Rich-edit fields report no change for a set text: the dialog hears it as typing.
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
  noteStep("typed " + quoted(text) + " into field " + std::to_string(id));
}

void pressDialogButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  expect(button != nullptr, "the dialog has no button " + std::to_string(id));
  PostMessageW(button, BM_CLICK, 0, 0);
}

void answerBox(DWORD processId, const std::wstring& text, int buttonId) {
  HWND dialog = waitForDialog(processId, L"Quillbox");
  const MessageBoxView box = readMessageBox(dialog);
  expect(box.text == text, "the box says " + quoted(box.text) + ", not " + quoted(text));
  pressButton(box, buttonId);
  waitForDialogGone(dialog);
}

}  // namespace qb::e2e
