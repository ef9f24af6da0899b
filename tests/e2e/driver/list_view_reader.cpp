#include "tests/e2e/driver/list_view_reader.h"

#include <commctrl.h>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

// A block of memory inside the list view's process, for the messages that carry pointers.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, std::size_t size) : size_(size) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    expect(process_ != nullptr, "cannot open the program's process, error " + std::to_string(GetLastError()));
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    expect(address_ != nullptr, "cannot reserve memory in the program's process");
  }
  ~RemoteBlock() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  void* address() const { return address_; }
  void write(const void* bytes, std::size_t size, std::size_t offset = 0) {
    WriteProcessMemory(process_, static_cast<char*>(address_) + offset, bytes, size, nullptr);
  }
  void read(void* bytes, std::size_t size, std::size_t offset = 0) const {
    ReadProcessMemory(process_, static_cast<char*>(address_) + offset, bytes, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_;
};

constexpr int kTextCapacity = 1024;

}  // namespace

HWND findListView(HWND mainWindow) {
  for (HWND child : childWindows(mainWindow)) {
    if (windowClassName(child) == L"SysListView32") return child;
  }
  return nullptr;
}

std::vector<std::wstring> listColumn(HWND listView, int column) {
  std::vector<std::wstring> texts;
  const int count = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
  RemoteBlock block(listView, sizeof(LVITEMW) + kTextCapacity * sizeof(wchar_t));
  for (int row = 0; row < count; ++row) {
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kTextCapacity;
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(block.address()) + sizeof(LVITEMW));
    block.write(&item, sizeof item);
    SendMessageW(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(block.address()));
    wchar_t text[kTextCapacity] = {};
    block.read(text, sizeof text - sizeof(wchar_t), sizeof(LVITEMW));
    texts.emplace_back(text);
  }
  return texts;
}

POINT rowPoint(HWND listView, int row) {
  RemoteBlock block(listView, sizeof(RECT));
  RECT rect{};
  rect.left = LVIR_LABEL;
  block.write(&rect, sizeof rect);
  SendMessageW(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(block.address()));
  block.read(&rect, sizeof rect);
  POINT where{rect.left + 30, (rect.top + rect.bottom) / 2};
  ClientToScreen(listView, &where);
  return where;
}

void clickRow(HWND listView, int row, bool holdingCtrl) {
  const POINT where = rowPoint(listView, row);
  // A window called up a moment ago may still be behind the one that had the focus: the click
  // waits until the row is what the pointer would hit.
  waitFor("row " + std::to_string(row) + " to be in front under the pointer", kStandardLimitMs,
          [&] { return WindowFromPoint(where) == listView; });
  // Two clicks on one spot within the double-click time make a double click, which a list that
  // acts on single clicks leaves alone; a hand does not click that fast across a call-up.
  static ULONGLONG lastClickAt = 0;
  const ULONGLONG apart = GetDoubleClickTime() + 100;
  const ULONGLONG since = GetTickCount64() - lastClickAt;
  if (lastClickAt != 0 && since < apart) pause(static_cast<DWORD>(apart - since));
  movePointer(where);
  if (holdingCtrl) {
    holdCtrl(true);
    pause(100);
  }
  std::vector<INPUT> inputs;
  auto button = [&](DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    inputs.push_back(input);
  };
  button(MOUSEEVENTF_LEFTDOWN);
  button(MOUSEEVENTF_LEFTUP);
  expect(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size(),
         "SendInput refused the click");
  lastClickAt = GetTickCount64();
  noteStep("clicked row " + std::to_string(row));
}

void holdCtrl(bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_CONTROL;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  expect(SendInput(1, &input, sizeof input) == 1, "SendInput refused the Ctrl key");
  noteStep(down ? "Ctrl held" : "Ctrl released");
}

HWND findStatusBar(HWND mainWindow) {
  for (HWND child : childWindows(mainWindow)) {
    if (windowClassName(child) == L"msctls_statusbar32") return child;
  }
  return nullptr;
}

std::wstring statusPaneText(HWND statusBar, int pane) {
  const auto length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0));
  RemoteBlock block(statusBar, (length + 1u) * sizeof(wchar_t));
  SendMessageW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(pane),
               reinterpret_cast<LPARAM>(block.address()));
  std::wstring text(length, L'\0');
  block.read(text.data(), length * sizeof(wchar_t));
  return text;
}

}  // namespace qb::e2e
