// A Ui for tests: records every message box and answers from a script.
//
// An OK box needs no script entry and answers kOk. A Yes/No box takes the next scripted answer.
// A box is unexpected when it is Yes/No and nothing is scripted (it answers kNo, the answer that
// changes nothing), or when the next scripted answer does not fit its buttons (the answer is
// dropped; an OK box still answers kOk). Tests end with the check in tests/support/ui_expect.h.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace qb {

struct MessageBoxRecord {
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  MessageAnswer answer = MessageAnswer::kOk;
  bool expected = true;
  bool busyWhileShown = false;
};

class ScriptedUi : public Ui {
 public:
  void expectAnswer(MessageAnswer answer);
  // Runs while each box is open (after it is recorded), e.g. to let a clipboard change arrive.
  void setWhileShown(std::function<void(const MessageBoxRecord&)> action);

  const std::vector<MessageBoxRecord>& boxes() const { return boxes_; }
  std::vector<MessageBoxRecord> unexpected() const;
  std::size_t unusedAnswers() const { return answers_.size(); }
  // Every change of the busy state, in order (true = became busy).
  const std::vector<bool>& busyChanges() const { return busyChanges_; }
  void clear();

 protected:
  MessageAnswer presentMessage(std::string_view text, MessageIcon icon,
                               MessageButtons buttons) override;
  void onBusyChanged(bool busy) override;

 private:
  static bool fits(MessageAnswer answer, MessageButtons buttons);

  std::deque<MessageAnswer> answers_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<bool> busyChanges_;
  std::function<void(const MessageBoxRecord&)> whileShown_;
};

}  // namespace qb
