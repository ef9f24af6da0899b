#include "platform/win32/win32_ui.h"

#include "platform/win32/text_conversion.h"

namespace qb {

UINT MessageBoxStyle(MessageIcon icon, MessageButtons buttons) {
  UINT style = buttons == MessageButtons::kYesNo ? MB_YESNO : MB_OK;
  switch (icon) {
    case MessageIcon::kNone: break;
    case MessageIcon::kStop: style |= MB_ICONSTOP; break;
    case MessageIcon::kExclamation: style |= MB_ICONEXCLAMATION; break;
    case MessageIcon::kInformation: style |= MB_ICONINFORMATION; break;
    case MessageIcon::kQuestion: style |= MB_ICONQUESTION; break;
  }
  return style;
}

MessageAnswer AnswerFromMessageBox(int result, MessageButtons buttons) {
  if (buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  return result == IDYES ? MessageAnswer::kYes : MessageAnswer::kNo;
}

Win32Ui::Win32Ui(std::string caption, HWND owner)
    : caption_(SjisToWide(caption)), owner_(owner) {}

MessageAnswer Win32Ui::presentMessage(std::string_view text, MessageIcon icon,
                                      MessageButtons buttons) {
  const int result = MessageBoxW(owner_, SjisToWide(text).c_str(), caption_.c_str(),
                                 MessageBoxStyle(icon, buttons));
  return AnswerFromMessageBox(result, buttons);
}

void Win32Ui::onBusyChanged(bool busy) {
  if (busyChangedHook_) busyChangedHook_(busy);
}

}  // namespace qb
