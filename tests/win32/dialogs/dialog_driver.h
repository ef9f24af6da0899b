// Drives the modal dialog of the test's thread from a helper thread: finds it by caption, reads
// and types into its controls, presses its buttons. Every wait is a bounded poll. Failures are
// collected and checked on the test's thread; a dialog still open when the script ends is
// closed, so that a failing test never hangs.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace qb::test {

inline constexpr int kPollTimeoutMilliseconds = 5000;

class DialogDriver {
 public:
  using Script = std::function<void(DialogDriver&)>;
  // Starts `script` at once; the test then opens the dialog on its own thread.
  explicit DialogDriver(Script script);
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Waits for the script to end; the failures it noted.
  const std::vector<std::string>& finish();

  // ---- For the script. ----
  // The visible dialog of the test's thread with this caption; nullptr (noted) after the time-out.
  HWND waitForDialog(const std::wstring& caption);
  HWND dialog() const { return dialog_; }
  // Works on another dialog found before (the owner of a nested one).
  void useDialog(HWND dialog) { dialog_ = dialog; }
  HWND item(int id) const { return GetDlgItem(dialog_, id); }
  std::wstring text(int id) const;
  void setText(int id, const std::wstring& text);
  void click(int id);
  // WM_COMMAND as a control sends it.
  void command(int id, int code);
  // The same, posted: for a command that opens a nested modal dialog.
  void post(int id, int code);
  bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
  // Polls `condition` in 20 ms steps; false (noted with `what`) after the time-out.
  bool waitUntil(const std::function<bool()>& condition, const std::string& what);
  // True when the current dialog has closed within the time-out (noted otherwise).
  bool waitClosed();
  void expect(bool condition, const std::string& what);
  void expectText(int id, const std::wstring& expected);

 private:
  HWND findDialog(const std::wstring* caption) const;
  void closeLeftOpen();

  DWORD dialogThread_;
  HWND dialog_ = nullptr;
  std::vector<std::string> failures_;
  std::thread thread_;
};

// A visible top window of the calling thread that owns the dialogs of a test.
class OwnerWindow {
 public:
  OwnerWindow();
  ~OwnerWindow();
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_;
};

// The face name and height of the font a window uses.
struct WindowFont {
  std::wstring face;
  LONG height = 0;
};
WindowFont FontOf(HWND window);

std::string Narrow(const std::wstring& text);  // for failure messages

}  // namespace qb::test
