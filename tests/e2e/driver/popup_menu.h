// The program's popup menus: called up as the shell does for a tray icon, read through the menu
// probe, and an item chosen with the keyboard.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qb::e2e {

struct MenuEntry {
  UINT state;  // GetMenuState flags
  std::wstring text;
  bool isSeparator() const { return state & MF_SEPARATOR; }
  bool isHighlighted() const { return state & MF_HILITE; }
  bool isEnabled() const { return !(state & (MF_GRAYED | MF_DISABLED)); }
};

std::string describe(const std::vector<MenuEntry>& entries);

// Reads the popup menus shown by one thread of another process; the probe hook stays on that
// thread while this object lives.
class PopupMenuReader {
 public:
  explicit PopupMenuReader(DWORD threadId);
  ~PopupMenuReader();
  PopupMenuReader(const PopupMenuReader&) = delete;
  PopupMenuReader& operator=(const PopupMenuReader&) = delete;

  // The items of the menu that `menuWindow` ("#32768") shows, as they are now.
  std::vector<MenuEntry> read(HWND menuWindow);

 private:
  static LRESULT CALLBACK ReportProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
  HWND reportWindow_ = nullptr;
  std::optional<std::wstring> report_;
};

// Posts the tray icon's callback to the window, as the shell does for a mouse message on the icon.
void sendTrayCallback(HWND window, UINT callbackMessage, UINT iconId, UINT mouseMessage);

// Waits for a visible popup menu window of the process.
HWND waitForPopupMenu(DWORD processId);

// Moves the highlight down to the item with this text and chooses it with Enter.
void chooseMenuItem(PopupMenuReader& reader, HWND menuWindow, const std::wstring& text);

}  // namespace qb::e2e
