#include "platform/win32/win32_ui.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

TEST(MessageBoxStyle, IconsAndButtons) {
  EXPECT_EQ(MessageBoxStyle(MessageIcon::kStop, MessageButtons::kOk),
            static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::kExclamation, MessageButtons::kOk),
            static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::kInformation, MessageButtons::kOk),
            static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::kQuestion, MessageButtons::kYesNo),
            static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::kNone, MessageButtons::kOk), static_cast<UINT>(MB_OK));
}

TEST(MessageBoxAnswer, OnlyAYesIsAYes) {
  EXPECT_EQ(AnswerFromMessageBox(IDYES, MessageButtons::kYesNo), MessageAnswer::kYes);
  EXPECT_EQ(AnswerFromMessageBox(IDNO, MessageButtons::kYesNo), MessageAnswer::kNo);
  EXPECT_EQ(AnswerFromMessageBox(0, MessageButtons::kYesNo), MessageAnswer::kNo);
  EXPECT_EQ(AnswerFromMessageBox(IDOK, MessageButtons::kOk), MessageAnswer::kOk);
  EXPECT_EQ(AnswerFromMessageBox(0, MessageButtons::kOk), MessageAnswer::kOk);
}

TEST(Win32Ui, TheBusyHookSeesOnlyTheOutermostChange) {
  Win32Ui ui("Quillbox");
  std::vector<bool> changes;
  ui.setBusyChangedHook([&](bool busy) { changes.push_back(busy); });
  {
    Ui::BusyScope outer(ui);
    Ui::BusyScope inner(ui);
    EXPECT_TRUE(ui.isBusy());
  }
  EXPECT_FALSE(ui.isBusy());
  EXPECT_EQ(changes, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace qb
