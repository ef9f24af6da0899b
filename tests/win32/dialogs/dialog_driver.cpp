#include "tests/win32/dialogs/dialog_driver.h"


namespace qb::test {
namespace {

constexpr int kPollStepMilliseconds = 20;

struct DialogSearch {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<DialogSearch*>(parameter);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (search->caption != nullptr && *search->caption != title) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::string Narrow(const std::wstring& text) {
  std::string utf8(static_cast<std::size_t>(text.size()) * 3 + 1, '\0');
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                        utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
  return utf8;
}

DialogDriver::DialogDriver(Script script) : dialogThread_(GetCurrentThreadId()) {
  thread_ = std::thread([this, script = std::move(script)] {
    script(*this);
    closeLeftOpen();
  });
}

DialogDriver::~DialogDriver() {
  if (thread_.joinable()) thread_.join();
}

const std::vector<std::string>& DialogDriver::finish() {
  if (thread_.joinable()) thread_.join();
  return failures_;
}

HWND DialogDriver::findDialog(const std::wstring* caption) const {
  DialogSearch search{caption, nullptr};
  EnumThreadWindows(dialogThread_, MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND DialogDriver::waitForDialog(const std::wstring& caption) {
  dialog_ = nullptr;
  waitUntil([&] { return (dialog_ = findDialog(&caption)) != nullptr; },
            "the dialog \"" + Narrow(caption) + "\" opens");
  return dialog_;
}

void DialogDriver::closeLeftOpen() {
  for (int round = 0; round < kPollTimeoutMilliseconds / kPollStepMilliseconds; ++round) {
    HWND open = findDialog(nullptr);
    if (open == nullptr) return;
    if (round == 0) failures_.push_back("a dialog was left open");
    PostMessageW(open, WM_CLOSE, 0, 0);
    Sleep(kPollStepMilliseconds);
  }
}

std::wstring DialogDriver::text(int id) const {
  HWND control = item(id);
  const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void DialogDriver::setText(int id, const std::wstring& text) {
  SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogDriver::click(int id) { SendMessageW(item(id), BM_CLICK, 0, 0); }

void DialogDriver::command(int id, int code) {
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(item(id)));
}

void DialogDriver::post(int id, int code) {
  PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(item(id)));
}

bool DialogDriver::waitUntil(const std::function<bool()>& condition, const std::string& what) {
  for (int waited = 0; waited <= kPollTimeoutMilliseconds; waited += kPollStepMilliseconds) {
    if (condition()) return true;
    Sleep(kPollStepMilliseconds);
  }
  failures_.push_back("timed out waiting until " + what);
  return false;
}

bool DialogDriver::waitClosed() {
  HWND closing = dialog_;
  return waitUntil([closing] { return !IsWindow(closing) || !IsWindowVisible(closing); },
                   "the dialog closes");
}

void DialogDriver::expect(bool condition, const std::string& what) {
  if (!condition) failures_.push_back(what);
}

void DialogDriver::expectText(int id, const std::wstring& expected) {
  const std::wstring actual = text(id);
  expect(actual == expected, "control " + std::to_string(id) + " shows \"" + Narrow(actual) +
                                 "\", expected \"" + Narrow(expected) + "\"");
}

OwnerWindow::OwnerWindow() {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuillboxDialogTestOwner";
    return RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
  window_ = CreateWindowExW(0, L"QuillboxDialogTestOwner", L"Quillbox", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            50, 50, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

OwnerWindow::~OwnerWindow() { DestroyWindow(window_); }

WindowFont FontOf(HWND window) {
  LOGFONTW font{};
  auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (handle == nullptr || GetObjectW(handle, sizeof font, &font) == 0) return {};
  return {font.lfFaceName, font.lfHeight};
}

}  // namespace qb::test
