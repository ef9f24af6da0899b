#include "tests/e2e/driver/clipboard_writer.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

constexpr DWORD kOpenLimitMs = 5000;
constexpr wchar_t kOwnerClass[] = L"QbE2eClipboardOwner";

struct Offer {
  std::optional<std::wstring> text;  // while the driver owns the clipboard with delayed data
  std::vector<DWORD> readers;        // processes that asked for it; 0 when none was named
};
Offer offer;

HANDLE textHandle(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  return memory;
}

void renderOffer() {
  if (!offer.text) return;
  HANDLE data = textHandle(*offer.text);
  if (data && !SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);
}

LRESULT CALLBACK ownerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_RENDERFORMAT:
      // The reader holds the clipboard open while it asks.
      offer.readers.push_back(windowProcessId(GetOpenClipboardWindow()));
      if (wParam == CF_UNICODETEXT) renderOffer();
      return 0;
    case WM_RENDERALLFORMATS:
      if (OpenClipboard(window)) {
        if (GetClipboardOwner() == window) renderOffer();
        CloseClipboard();
      }
      return 0;
    case WM_DESTROYCLIPBOARD:
      offer.text.reset();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND clipboardOwner() {
  static HWND owner = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ownerProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, kOwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
  }();
  return owner;
}

// Runs `fill` between OpenClipboard + EmptyClipboard and CloseClipboard.
template <typename Fill>
void withOpenClipboard(Fill fill) {
  HWND owner = clipboardOwner();
  waitFor("the clipboard to open (another program holds it)", kOpenLimitMs,
          [owner] { return OpenClipboard(owner) != FALSE; });
  const bool emptied = EmptyClipboard() != FALSE;
  const bool filled = emptied && fill();
  const DWORD error = GetLastError();
  CloseClipboard();
  expect(emptied, "EmptyClipboard failed, error " + std::to_string(error));
  expect(filled, "SetClipboardData failed, error " + std::to_string(error));
}

}  // namespace

void putClipboardText(const std::wstring& text) {
  withOpenClipboard([&text] {
    HANDLE data = textHandle(text);
    if (data && SetClipboardData(CF_UNICODETEXT, data)) return true;
    if (data) GlobalFree(data);
    return false;
  });
  noteStep("copied " + quoted(text));
}

void putPrivateClipboardText(const std::wstring& text) {
  withOpenClipboard([&text] {
    HANDLE data = textHandle(text);
    if (!data || !SetClipboardData(CF_UNICODETEXT, data)) {
      if (data) GlobalFree(data);
      return false;
    }
    HGLOBAL mark = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
    if (!mark) return false;
    *static_cast<DWORD*>(GlobalLock(mark)) = 0;
    GlobalUnlock(mark);
    const UINT format = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    if (SetClipboardData(format, mark)) return true;
    GlobalFree(mark);
    return false;
  });
  noteStep("copied " + quoted(text) + " marked private");
}

void offerClipboardText(const std::wstring& text) {
  offer = Offer{};
  withOpenClipboard([&text] {
    offer.text = text;
    SetLastError(0);
    return SetClipboardData(CF_UNICODETEXT, nullptr) == nullptr && GetLastError() == 0;
  });
  noteStep("copied " + quoted(text) + " (data handed over when asked for)");
}

void waitForOfferRead(DWORD processId) {
  // A reader that opened the clipboard without a window cannot be named; it counts as the
  // program, for no other program here reads the clipboard that way.
  waitFor("the program to read the offered text from the clipboard", kStandardLimitMs,
          [processId] {
            return std::any_of(offer.readers.begin(), offer.readers.end(),
                               [processId](DWORD reader) { return reader == processId || reader == 0; });
          },
          [] {
            std::string readers = "readers: ";
            for (DWORD reader : offer.readers) readers += std::to_string(reader) + " ";
            return readers;
          });
}

void emptyClipboard() {
  withOpenClipboard([] { return true; });
}

}  // namespace qb::e2e
