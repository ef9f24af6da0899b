#include "winui/dialogs/control_text.h"

#include "platform/win32/text_conversion.h"

namespace qb::winui {

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::string WindowTextSjis(HWND window) { return WideToSjis(WindowTextOf(window)); }

void SetWindowTextSjis(HWND window, std::string_view text) {
  SetWindowTextW(window, SjisToWide(text).c_str());
}

}  // namespace qb::winui
