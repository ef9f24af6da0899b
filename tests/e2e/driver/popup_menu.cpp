#include "tests/e2e/driver/popup_menu.h"

#include <sstream>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/keyboard.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"
#include "tests/e2e/probe/menu_probe.h"

namespace qb::e2e {
namespace {

constexpr wchar_t kReportWindowClass[] = L"QbE2eMenuReport";
constexpr DWORD kReportLimitMs = 5000;
constexpr DWORD kHighlightLimitMs = 3000;
constexpr ULONGLONG kHighlightOffMs = 300;  // a highlight off this long is not a transition

std::vector<MenuEntry> parseReport(const std::wstring& report) {
  std::vector<MenuEntry> entries;
  std::wistringstream lines(report);
  std::wstring line;
  while (std::getline(lines, line)) {
    const size_t tab = line.find(L'\t');
    if (tab == std::wstring::npos) continue;
    entries.push_back({static_cast<UINT>(std::stoul(line.substr(0, tab))), line.substr(tab + 1)});
  }
  return entries;
}

int highlightedPosition(const std::vector<MenuEntry>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].isHighlighted()) return static_cast<int>(i);
  }
  return -1;
}

int positionOf(const std::vector<MenuEntry>& entries, const std::wstring& text) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].text == text) return static_cast<int>(i);
  }
  return -1;
}

HWND createReportWindow(PopupMenuReader* reader, WNDPROC procedure) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kReportWindowClass;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, kReportWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reader));
  return window;
}

}  // namespace

std::string describe(const std::vector<MenuEntry>& entries) {
  std::string report = "menu items:";
  for (const auto& entry : entries) {
    report += " ";
    report += entry.isSeparator() ? std::string("(separator)") : quoted(entry.text);
    if (entry.isHighlighted()) report += "[highlighted]";
    if (!entry.isEnabled()) report += "[disabled]";
  }
  return report;
}

PopupMenuReader::PopupMenuReader(DWORD threadId) {
  library_ = LoadLibraryW(kMenuProbeLibrary);
  expect(library_ != nullptr, "cannot load " + toUtf8(kMenuProbeLibrary) + " beside the driver");
  auto hookProcedure = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(library_, kMenuProbeHookName)));
  expect(hookProcedure != nullptr, "the menu probe library has no hook procedure");
  hook_ = SetWindowsHookExW(WH_GETMESSAGE, hookProcedure, library_, threadId);
  expect(hook_ != nullptr, "cannot place the menu probe on thread " + std::to_string(threadId) +
                               ", error " + std::to_string(GetLastError()));
  reportWindow_ = createReportWindow(this, &PopupMenuReader::ReportProcedure);
}

PopupMenuReader::~PopupMenuReader() {
  if (reportWindow_) DestroyWindow(reportWindow_);
  if (hook_) UnhookWindowsHookEx(hook_);
  if (library_) FreeLibrary(library_);
}

LRESULT CALLBACK PopupMenuReader::ReportProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  auto* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
  if (message != WM_COPYDATA || data->dwData != kMenuReportTag) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  auto* reader = reinterpret_cast<PopupMenuReader*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  reader->report_ = std::wstring(static_cast<const wchar_t*>(data->lpData),
                                 data->cbData / sizeof(wchar_t));
  return TRUE;
}

std::vector<MenuEntry> PopupMenuReader::read(HWND menuWindow) {
  static const UINT probeMessage = RegisterWindowMessageW(kMenuProbeMessage);
  DWORD_PTR menu = 0;
  SendMessageTimeoutW(menuWindow, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, kReportLimitMs, &menu);
  expect(menu != 0, "MN_GETHMENU gave no menu for the popup menu window");
  report_.reset();
  PostMessageW(menuWindow, probeMessage, reinterpret_cast<WPARAM>(reportWindow_),
               static_cast<LPARAM>(menu));
  waitFor("the menu probe's report of the popup menu", kReportLimitMs,
          [this] { return report_.has_value(); });
  return parseReport(*report_);
}

void sendTrayCallback(HWND window, UINT callbackMessage, UINT iconId, UINT mouseMessage) {
  // The shell lets the icon's owner bring its menu to the front.
  AllowSetForegroundWindow(ASFW_ANY);
  PostMessageW(window, callbackMessage, iconId, mouseMessage);
  noteStep("sent the tray callback, mouse message " + std::to_string(mouseMessage));
}

HWND waitForPopupMenu(DWORD processId) {
  HWND menuWindow = nullptr;
  waitFor("a popup menu window (#32768) of the program", kStandardLimitMs,
          [&] {
            menuWindow = findWindowOf(processId, Visibility::kVisibleOnly, L"#32768");
            return menuWindow != nullptr;
          },
          [&] { return describeWindowsOf(processId); });
  return menuWindow;
}

void chooseMenuItem(PopupMenuReader& reader, HWND menuWindow, const std::wstring& text) {
  std::vector<MenuEntry> entries = reader.read(menuWindow);
  const int target = positionOf(entries, text);
  expect(target >= 0, "the menu has no item " + quoted(text) + "; " + describe(entries));
  expect(entries[target].isEnabled(), "the item " + quoted(text) + " is disabled");
  const DWORD owner = windowProcessId(menuWindow);
  waitFor("the menu's program in front, so that keys reach its menu", kHighlightLimitMs,
          [owner] { return windowProcessId(GetForegroundWindow()) == owner; },
          [] { return "foreground window of process " +
                      std::to_string(windowProcessId(GetForegroundWindow())); });
  // Each Down moves the highlight to the next item that can be chosen. The menu takes the old
  // highlight off before it puts the new one on: a read in between sees none, and a Down pressed
  // then runs past the target. So only a highlight that stays off for a while counts as moved
  // (the pointer over the menu can take it away; the next Down brings it back).
  for (size_t presses = 0; highlightedPosition(entries) != target; ++presses) {
    expect(presses < entries.size(), "Down never reached " + quoted(text) + "; " + describe(entries));
    const int before = highlightedPosition(entries);
    pressKey(VK_DOWN);
    const ULONGLONG pressed = GetTickCount64();
    waitFor("the menu highlight to move after Down", kHighlightLimitMs,
            [&] {
              entries = reader.read(menuWindow);
              const int now = highlightedPosition(entries);
              if (now >= 0) return now != before;
              return before >= 0 && GetTickCount64() - pressed >= kHighlightOffMs;
            },
            [&] { return describe(entries); });
  }
  pressKey(VK_RETURN);
  noteStep("chose " + quoted(text) + " with Enter");
}

}  // namespace qb::e2e
