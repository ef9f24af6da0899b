// The paste engine on the real desktop: a text goes into the edit control of a window of
// another thread, through the clipboard, the input attachment, the focus and Ctrl+V.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "paste/paste_engine.h"
#include "paste/partial_selection_model.h"
#include "platform/fake/scripted_ui.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_keyboard.h"

namespace qb {
namespace {

// A top window with one edit control, run by its own thread.
class TargetWindow {
 public:
  TargetWindow() {
    thread_ = std::thread([this] { run(); });
    while (!ready_.load()) Sleep(10);
  }
  ~TargetWindow() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
  }
  HWND window() const { return window_; }
  HWND edit() const { return edit_; }
  std::string text() const {
    wchar_t buffer[256] = {};
    SendMessageW(edit_, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return WideToSjis(buffer);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  void run() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuillboxPasteTarget";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, L"QuillboxPasteTarget", L"貼り付け先", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              100, 100, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 300, 24,
                            window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ready_ = true;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  std::thread thread_;
  std::atomic<bool> ready_{false};
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

class Host : public PasteHost {
 public:
  bool isOwnWindow(WindowId) override { return false; }
  WindowId mainWindow() override { return 0; }
  bool alwaysOnTop() override { return true; }
  explicit Host(Clipboard& clipboard) : clipboard_(clipboard) {}
  int putTextOnClipboard(std::string_view text) override {
    if (!clipboard_.open()) return -1;
    const bool written = clipboard_.empty() && clipboard_.setText(text);
    clipboard_.close();
    return written ? 0 : -1;
  }
  void leaveLinkAndRefresh() override {}
  bool runPartialSelection(PartialSelectionModel&) override { return false; }
  void storePastedValue(std::string_view, bool) override {}

 private:
  Clipboard& clipboard_;
};

class OneRow : public PasteSource {
 public:
  std::optional<int> selectedRow() override { return 0; }
  int rowCount() override { return 1; }
  std::string valueForUse(int) override { return "ユーザID"; }
  std::string wholeValue(int) override { return "ユーザID"; }
  void countUse(int, bool) override {}
  void afterPaste() override {}
};

TEST(Win32PasteTest, AValueArrivesInTheEditControlOfAnotherThreadsWindow) {
  TargetWindow target;
  Win32Desktop desktop;
  Win32Keyboard keyboard;
  Win32Clock clock;
  Win32Clipboard clipboard(nullptr);
  ScriptedUi ui;
  Host host(clipboard);
  WorkingWindow working;
  working.window = reinterpret_cast<WindowId>(target.window());
  working.focus = reinterpret_cast<WindowId>(target.edit());
  working.ownThread = desktop.currentThread();
  working.windowThread = desktop.windowThread(working.window);
  EXPECT_NE(working.ownThread, working.windowThread);
  EXPECT_EQ(desktop.windowTitle(working.window), "貼り付け先");
  EXPECT_TRUE(desktop.isResizable(working.window));

  PasteSettings settings;
  settings.precise = true;
  PasteEngine engine(PastePorts{desktop, keyboard, clock, ui}, host, working, settings);
  OneRow row;
  ASSERT_EQ(engine.pasteSelected(row, PasteFlags{true, false}), 0);
  // The target thread handles the keys on its own; give it a bounded time.
  std::string text;
  for (int i = 0; i < 100 && text != "ユーザID"; ++i) {
    clock.pumpWait(20);
    text = target.text();
  }
  EXPECT_EQ(text, "ユーザID");
  EXPECT_TRUE(ui.boxes().empty());
}

}  // namespace
}  // namespace qb
