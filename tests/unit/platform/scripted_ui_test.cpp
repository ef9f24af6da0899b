// The scripted Ui: answers, unexpected boxes, the busy state, and the end-of-test check.
#include "platform/fake/scripted_ui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/ui_expect.h"

namespace qb {
namespace {

TEST(ScriptedUiAnswers, AnOkBoxNeedsNoScript) {
  ScriptedUi ui;
  EXPECT_EQ(ui.showMessage("ﾌｧｲﾙの削除に失敗しました(m_Dell)", MessageIcon::kStop),
            MessageAnswer::kOk);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ﾌｧｲﾙの削除に失敗しました(m_Dell)");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(ui.boxes()[0].buttons, MessageButtons::kOk);
  ExpectUiScriptFinished(ui);
}

TEST(ScriptedUiAnswers, YesNoBoxesTakeScriptedAnswersInOrder) {
  ScriptedUi ui;
  ui.expectAnswer(MessageAnswer::kYes);
  ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_EQ(ui.showMessage("1?", MessageIcon::kQuestion, MessageButtons::kYesNo),
            MessageAnswer::kYes);
  EXPECT_EQ(ui.showMessage("2?", MessageIcon::kQuestion, MessageButtons::kYesNo),
            MessageAnswer::kNo);
  ExpectUiScriptFinished(ui);
}

TEST(ScriptedUiAnswers, AYesNoBoxWithoutScriptIsUnexpectedAndAnswersNo) {
  ScriptedUi ui;
  EXPECT_EQ(ui.showMessage("delete?", MessageIcon::kQuestion, MessageButtons::kYesNo),
            MessageAnswer::kNo);
  ASSERT_EQ(ui.unexpected().size(), 1u);
  EXPECT_EQ(ui.unexpected()[0].text, "delete?");
  EXPECT_NONFATAL_FAILURE(ExpectUiScriptFinished(ui), "unexpected Yes/No box");
}

TEST(ScriptedUiAnswers, AnAnswerThatDoesNotFitTheButtonsIsUnexpected) {
  ScriptedUi ui;
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(ui.showMessage("info", MessageIcon::kInformation), MessageAnswer::kOk);
  EXPECT_EQ(ui.unusedAnswers(), 0u);
  EXPECT_EQ(ui.unexpected().size(), 1u);
}

TEST(ScriptedUiAnswers, AnUnusedAnswerFailsTheEndCheck) {
  ScriptedUi ui;
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_NONFATAL_FAILURE(ExpectUiScriptFinished(ui), "1 scripted answer(s) not used");
}

TEST(ScriptedUiBusy, TheProgramIsBusyWhileABoxIsOpen) {
  ScriptedUi ui;
  bool busyInside = false;
  ui.setWhileShown([&](const MessageBoxRecord&) { busyInside = ui.isBusy(); });
  ui.showMessage("x", MessageIcon::kExclamation);
  EXPECT_TRUE(busyInside);
  EXPECT_TRUE(ui.boxes()[0].busyWhileShown);
  EXPECT_FALSE(ui.isBusy());
  EXPECT_EQ(ui.busyChanges(), (std::vector<bool>{true, false}));
}

TEST(ScriptedUiBusy, ABoxInsideADialogDoesNotEndTheBusyState) {
  ScriptedUi ui;
  {
    Ui::BusyScope dialog(ui);
    ui.showMessage("inside", MessageIcon::kStop);
    EXPECT_TRUE(ui.isBusy());
  }
  EXPECT_EQ(ui.busyChanges(), (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace qb
