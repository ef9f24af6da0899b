#include "tests/e2e/driver/message_box.h"

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

bool isIconControl(HWND control) {
  return (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

HWND findMessageBox(DWORD processId, const std::wstring& caption) {
  return findWindowOf(processId, Visibility::kVisibleOnly, L"#32770", &caption);
}

MessageBoxView readMessageBox(HWND dialog) {
  MessageBoxView box;
  box.dialog = dialog;
  box.caption = windowCaption(dialog);
  for (HWND control : childWindows(dialog)) {
    const std::wstring kind = windowClassName(control);
    if (_wcsicmp(kind.c_str(), L"Static") == 0 && !isIconControl(control)) {
      box.text += controlText(control);
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(control)) {
      box.buttons.push_back({GetDlgCtrlID(control), controlText(control)});
    }
  }
  return box;
}

std::string describe(const MessageBoxView& box) {
  std::string report = "box " + quoted(box.caption) + " text " + quoted(box.text) + " buttons";
  for (const auto& button : box.buttons) {
    report += " ";
    report += std::to_string(button.id) + "=" + quoted(button.text);
  }
  return report;
}

void pressButton(const MessageBoxView& box, int buttonId) {
  HWND button = GetDlgItem(box.dialog, buttonId);
  expect(button != nullptr, "no button with id " + std::to_string(buttonId) + " in " + describe(box));
  PostMessageW(button, BM_CLICK, 0, 0);
}

}  // namespace qb::e2e
