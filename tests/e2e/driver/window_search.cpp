#include "tests/e2e/driver/window_search.h"

#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

constexpr UINT kAnswerLimitMs = 2000;

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::wstring windowClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, ARRAYSIZE(name));
  return name;
}

std::wstring windowCaption(HWND window) {
  wchar_t caption[512] = {};
  InternalGetWindowText(window, caption, ARRAYSIZE(caption));
  return caption;
}

std::wstring controlText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs,
                           &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kAnswerLimitMs, &copied);
  text.resize(copied);
  return text;
}

DWORD windowProcessId(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> childWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, collectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND findWindowOf(DWORD processId, Visibility visibility, const std::wstring& className,
                  const std::wstring* text) {
  for (HWND window : topLevelWindows()) {
    if (windowProcessId(window) != processId) continue;
    if (visibility == Visibility::kVisibleOnly && !IsWindowVisible(window)) continue;
    if (windowClassName(window) != className) continue;
    if (text && windowCaption(window) != *text) continue;
    return window;
  }
  return nullptr;
}

std::string describeWindowsOf(DWORD processId) {
  std::string report;
  for (HWND window : topLevelWindows()) {
    if (windowProcessId(window) != processId) continue;
    if (!report.empty()) report += ", ";
    report += "[";
    report += toUtf8(windowClassName(window)) + " " + quoted(windowCaption(window)) +
              (IsWindowVisible(window) ? " visible]" : " hidden]");
  }
  return report.empty() ? "no windows" : report;
}

}  // namespace qb::e2e
