// Finding and reading windows of another process the way a test user sees them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::e2e {

std::wstring windowClassName(HWND window);
// A top-level window's title, read without sending it a message (a busy program does not
// answer messages).
std::wstring windowCaption(HWND window);
// A control's text through WM_GETTEXT, so that controls of other processes answer too.
std::wstring controlText(HWND window);
DWORD windowProcessId(HWND window);

std::vector<HWND> topLevelWindows();
std::vector<HWND> childWindows(HWND parent);

enum class Visibility { kVisibleOnly, kVisibleOrHidden };

// The first top-level window of `processId` with this class (and this text, when `text` is
// given); nullptr when there is none.
HWND findWindowOf(DWORD processId, Visibility visibility, const std::wstring& className,
                  const std::wstring* text = nullptr);

// Every top-level window of `processId`: class, text, visible or hidden. For failure reports.
std::string describeWindowsOf(DWORD processId);

}  // namespace qb::e2e
