// The end-of-test check for a ScriptedUi: no unexpected box, no scripted answer left unused.
//
//   EXPECT_TRUE(UiScriptFinished(ui));   or   ExpectUiScriptFinished(ui);
#pragma once
#include <gtest/gtest.h>

#include "platform/fake/scripted_ui.h"

namespace qb {

inline ::testing::AssertionResult UiScriptFinished(const ScriptedUi& ui) {
  std::vector<MessageBoxRecord> unexpected = ui.unexpected();
  if (unexpected.empty() && ui.unusedAnswers() == 0) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  for (const MessageBoxRecord& box : unexpected) {
    failure << "unexpected " << (box.buttons == MessageButtons::kYesNo ? "Yes/No" : "OK")
            << " box: \"" << box.text << "\"\n";
  }
  if (ui.unusedAnswers() != 0) failure << ui.unusedAnswers() << " scripted answer(s) not used";
  return failure;
}

inline void ExpectUiScriptFinished(const ScriptedUi& ui) { EXPECT_TRUE(UiScriptFinished(ui)); }

}  // namespace qb
