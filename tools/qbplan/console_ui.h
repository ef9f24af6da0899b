// Message boxes of a plan run as lines on the error stream; Yes/No questions get a fixed answer.
#pragma once
#include <ostream>

#include "platform/ui.h"

namespace qb {

class ConsoleUi : public Ui {
 public:
  ConsoleUi(std::ostream& messages, bool answerYes) : messages_(messages), answerYes_(answerYes) {}

 protected:
  MessageAnswer presentMessage(std::string_view text, MessageIcon icon,
                               MessageButtons buttons) override;

 private:
  std::ostream& messages_;
  bool answerYes_;
};

}  // namespace qb
