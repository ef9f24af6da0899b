// What an editing operation did: done, or refused with the message the view shows (exclamation
// icon). A refusal without a message is the user's own "No" to a question.
#pragma once
#include <string>
#include <string_view>

namespace qb {

struct EditResult {
  bool ok = true;
  std::string message;

  static EditResult Done() { return {}; }
  static EditResult Refused(std::string_view message) { return {false, std::string(message)}; }
  static EditResult Declined() { return {false, {}}; }
};

// The questions the editor asks the user (Yes/No, question icon); true for Yes.
class EditorQuestions {
 public:
  virtual ~EditorQuestions() = default;
  virtual bool ask(std::string_view question) = 0;
};

}  // namespace qb
