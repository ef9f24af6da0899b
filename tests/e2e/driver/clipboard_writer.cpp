#include "tests/e2e/driver/clipboard_writer.h"

#include <windows.h>

#include <cstring>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

constexpr DWORD kOpenLimitMs = 5000;

HWND clipboardOwner() {
  static HWND owner = CreateWindowExW(0, L"STATIC", L"qb_e2e_clipboard_owner", 0, 0, 0, 0, 0,
                                      HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  return owner;
}

// Runs `fill` between OpenClipboard and CloseClipboard.
template <typename Fill>
void withOpenClipboard(Fill fill) {
  HWND owner = clipboardOwner();
  waitFor("the clipboard to open (another program holds it)", kOpenLimitMs,
          [owner] { return OpenClipboard(owner) != FALSE; });
  const bool emptied = EmptyClipboard() != FALSE;
  const bool filled = emptied && fill();
  CloseClipboard();
  expect(emptied, "EmptyClipboard failed, error " + std::to_string(GetLastError()));
  expect(filled, "SetClipboardData failed, error " + std::to_string(GetLastError()));
}

}  // namespace

void putClipboardText(const std::wstring& text) {
  withOpenClipboard([&text] {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory)) return true;
    GlobalFree(memory);
    return false;
  });
  noteStep("copied " + quoted(text));
}

void emptyClipboard() {
  withOpenClipboard([] { return true; });
}

}  // namespace qb::e2e
