#include "platform/fake/scripted_ui.h"

namespace qb {

void ScriptedUi::expectAnswer(MessageAnswer answer) { answers_.push_back(answer); }

void ScriptedUi::setWhileShown(std::function<void(const MessageBoxRecord&)> action) {
  whileShown_ = std::move(action);
}

std::vector<MessageBoxRecord> ScriptedUi::unexpected() const {
  std::vector<MessageBoxRecord> found;
  for (const MessageBoxRecord& box : boxes_) {
    if (!box.expected) found.push_back(box);
  }
  return found;
}

void ScriptedUi::clear() {
  answers_.clear();
  boxes_.clear();
  busyChanges_.clear();
}

bool ScriptedUi::fits(MessageAnswer answer, MessageButtons buttons) {
  if (buttons == MessageButtons::kOk) return answer == MessageAnswer::kOk;
  return answer == MessageAnswer::kYes || answer == MessageAnswer::kNo;
}

MessageAnswer ScriptedUi::presentMessage(std::string_view text, MessageIcon icon,
                                         MessageButtons buttons) {
  MessageBoxRecord box{std::string(text), icon, buttons, MessageAnswer::kOk, true, isBusy()};
  bool okBox = buttons == MessageButtons::kOk;
  if (answers_.empty()) {
    box.expected = okBox;
    box.answer = okBox ? MessageAnswer::kOk : MessageAnswer::kNo;
  } else {
    MessageAnswer scripted = answers_.front();
    answers_.pop_front();
    box.expected = fits(scripted, buttons);
    box.answer = box.expected ? scripted : (okBox ? MessageAnswer::kOk : MessageAnswer::kNo);
  }
  boxes_.push_back(box);
  if (whileShown_) whileShown_(box);
  return box.answer;
}

void ScriptedUi::onBusyChanged(bool busy) { busyChanges_.push_back(busy); }

}  // namespace qb
