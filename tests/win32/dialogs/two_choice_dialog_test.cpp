// "履歴タブオプション設定" on a real window, and what every dialog shares: the font and the busy
// state held while it is open.
#include <gtest/gtest.h>

#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "tests/win32/dialogs/dialog_test.h"
#include "winui/dialogs/dialog_font.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;

const TwoChoicePrompt kTopMovePrompt{
    "履歴タブオプション設定",
    "「再利用した値を最新位置に移動」した場合の行の選択状態を指定してください。",
    "選択状態は移動しない", "選択状態も移動する"};
const std::wstring kCaption = L"履歴タブオプション設定";

class TwoChoiceDialogTest : public test::DialogTest {
 protected:
  int run(DialogDriver::Script script, const std::wstring& font = L"") {
    return drive(std::move(script),
                 [&] { return RunTwoChoiceDialog(owner(), ui_, font, kTopMovePrompt); });
  }
};

TEST_F(TwoChoiceDialogTest, ShowsThePromptAndAnswersTheCheckedChoice) {
  const int answer = run([](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expectText(kTwoChoicePrompt,
                 L"「再利用した値を最新位置に移動」した場合の行の選択状態を指定してください。");
    d.expectText(kTwoChoiceFirst, L"選択状態は移動しない");
    d.expectText(kTwoChoiceSecond, L"選択状態も移動する");
    d.expectText(IDCANCEL, L"ｷｬﾝｾﾙ");
    d.click(kTwoChoiceSecond);
    d.click(IDOK);
    d.waitClosed();
  });
  EXPECT_EQ(answer, 2);
}

TEST_F(TwoChoiceDialogTest, OkAnswersTheFirstChoiceUntilAnotherIsCheckedAndCancelZero) {
  auto press = [](int button) {
    return [button](DialogDriver& d) {
      if (d.waitForDialog(kCaption)) d.click(button);
      d.waitClosed();
    };
  };
  EXPECT_EQ(run(press(IDOK)), 1);
  EXPECT_EQ(run(press(IDCANCEL)), 0);
  EXPECT_EQ(run([](DialogDriver& d) {
              if (d.waitForDialog(kCaption)) PostMessageW(d.dialog(), WM_CLOSE, 0, 0);
              d.waitClosed();
            }),
            0);
}

TEST_F(TwoChoiceDialogTest, TheProgramIsBusyExactlyWhileTheDialogIsOpen) {
  run([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expect(ui_.isBusy(), "busy while the dialog is open");
    d.click(IDCANCEL);
    d.waitClosed();
  });
  EXPECT_FALSE(ui_.isBusy());
  EXPECT_EQ(ui_.busyChanges(), (std::vector<bool>{true, false}));
}

TEST_F(TwoChoiceDialogTest, UsesTheNamedFontAtNinePointsOrTheGuiFontWhenTheNameIsUnknown) {
  const LONG ninePoints = winui::FontHeightForPoints(9);
  const std::wstring installed = winui::SystemGuiFontFace();
  auto fontOfDialog = [&](const std::wstring& requested) {
    test::WindowFont font;
    run([&](DialogDriver& d) {
          if (d.waitForDialog(kCaption)) font = test::FontOf(d.dialog());
          d.click(IDCANCEL);
          d.waitClosed();
        },
        requested);
    return font;
  };
  const test::WindowFont named = fontOfDialog(installed);
  EXPECT_EQ(named.face, installed);
  EXPECT_EQ(named.height, ninePoints);
  const test::WindowFont fallback = fontOfDialog(L"No Such Font Family");
  EXPECT_EQ(fallback.face, installed);
  EXPECT_EQ(fallback.height, ninePoints);
}

}  // namespace
}  // namespace qb
