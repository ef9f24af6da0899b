#include "tools/qbplan/console_ui.h"

namespace qb {

MessageAnswer ConsoleUi::presentMessage(std::string_view text, MessageIcon, MessageButtons buttons) {
  messages_ << text << '\n';
  messages_.flush();
  if (buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  return answerYes_ ? MessageAnswer::kYes : MessageAnswer::kNo;
}

}  // namespace qb
