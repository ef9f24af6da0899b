// A Ui that shows nothing: for work whose messages would only repeat what the user sees
// elsewhere (the macro flags of every row while a group loads).
#pragma once
#include "platform/ui.h"

namespace qb {

class QuietUi : public Ui {
 protected:
  MessageAnswer presentMessage(std::string_view, MessageIcon, MessageButtons buttons) override {
    return buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
  }
};

}  // namespace qb
