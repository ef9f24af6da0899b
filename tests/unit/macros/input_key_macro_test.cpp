#include <gtest/gtest.h>

#include <functional>

#include "macros/input_fill.h"
#include "macros/key_macro.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_keyboard.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

const std::string kTab200 = "<@@KEYIN><@TAB01/>200<@@/KEYIN>";

// Records each piece with its virtual time.
class RecordingTarget : public PieceTarget {
 public:
  explicit RecordingTarget(FakeClock& clock) : clock_(clock) {}
  int pastePiece(std::string_view text, bool continuation) override {
    log.push_back(std::to_string(clock_.milliseconds()) + (continuation ? " more " : " first ") +
                  std::string(text));
    return text == "FAIL" ? -1 : 0;
  }
  bool directPaste() const override { return direct; }
  std::vector<std::string> log;
  bool direct = true;

 private:
  FakeClock& clock_;
};

class KeyMacroTest : public ::testing::Test {
 protected:
  std::vector<std::string> run(const std::string& text) {
    result = PasteKeyMacroText(text, target, keyboard, clock);
    std::vector<std::string> all = target.log;
    for (const std::string& line : keyboard.log()) all.push_back(line);
    return all;
  }
  FakeClock clock;
  FakeKeyboard keyboard{clock};
  RecordingTarget target{clock};
  KeyPasteResult result = KeyPasteResult::kDone;
};

TEST_F(KeyMacroTest, TheFirstPieceWaitsFourHundredMillisecondsMore) {
  EXPECT_EQ(run("ユーザID" + kTab200 + "パスワード"),
            (std::vector<std::string>{"0 first ユーザID", "650 more パスワード", "600 down 9",
                                      "650 up 9"}));
}

TEST_F(KeyMacroTest, ALeadingKeyHasNoExtraWaitAndTheNextPieceIsStillFirst) {
  EXPECT_EQ(run(kTab200 + "a" + "<@@KEYIN><@ENTER01/>abc<@@/KEYIN>"),
            (std::vector<std::string>{"250 first a", "200 down 9", "250 up 9", "650 down 13",
                                      "700 up 13"}));
  EXPECT_EQ(clock.waits().front(), 10);  // 200 ms in 20 steps
}

TEST_F(KeyMacroTest, KeysAreSkippedForACopyAndAnUnknownKeyIsPastedAsText) {
  target.direct = false;
  EXPECT_EQ(run("a" + kTab200 + "b"), (std::vector<std::string>{"0 first a", "0 more b"}));
  target.direct = true;
  target.log.clear();
  run("x<@@KEYIN><@ESC01/>1<@@/KEYIN>y" + kTab200);
  EXPECT_EQ(target.log.front(), "0 first x<@@KEYIN><@ESC01/>1<@@/KEYIN>y" + kTab200);
}

TEST_F(KeyMacroTest, AMouseButtonDuringTheWaitStopsThePaste) {
  keyboard.holdAt(300, kVkRightButton, true);
  run("a" + kTab200 + "b");
  EXPECT_EQ(result, KeyPasteResult::kStoppedByMouse);
  EXPECT_EQ(target.log, (std::vector<std::string>{"0 first a"}));
  EXPECT_TRUE(keyboard.events().empty());
}

TEST_F(KeyMacroTest, AFailedPieceStopsAndAtMostAHundredStepsRun) {
  run("FAIL" + kTab200 + "b");
  EXPECT_EQ(result, KeyPasteResult::kFailed);
  EXPECT_EQ(target.log.size(), 1u);
  target.log.clear();
  std::string many;
  for (int i = 0; i < 120; ++i) many += "p<@@KEYIN><@TAB01/>0<@@/KEYIN>";
  run(many);
  EXPECT_EQ(target.log.size(), 100u);
}

TEST_F(KeyMacroTest, LineBreaksBecomeTabMacros) {
  EXPECT_EQ(ConvertLinesToTabs("a\r\n\r\nb"),
            std::string("a") + kLineTabMacro + kLineTabMacro + "b");
  EXPECT_EQ(ConvertLinesToTabs("a\r\n"), "a");
  std::string lines;
  for (int i = 0; i < 101; ++i) lines += "x\r\n";
  const std::string converted = ConvertLinesToTabs(lines + "end");
  EXPECT_EQ(converted.substr(converted.size() - 6), "x\r\nend");
}

// Drives the dialog model as the user would.
class ScriptedInputDialog : public InputDialogRunner {
 public:
  std::function<bool(InputDialogModel&)> script;
  bool runModal(InputDialogModel& model) override { return script(model); }
};

class InputMacroTest : public ::testing::Test {
 protected:
  FakeClock clock{DateTime{2026, 3, 4, 15, 7, 9, 0}};
  ScriptedUi ui;
  MacroAnalyzer analyzer{ui, clock};
  ScriptedInputDialog dialog;
  InputMethodMemory ime;
  const std::string text = "ID:<@@ACTIONIN><@IN01/><@@/ACTIONIN>" + kTab200 +
                           "PW:<@@ACTIONIN><@IN03/><@@/ACTIONIN>/<@@ACTIONIN><@IN01/><@@/ACTIONIN>";
};

TEST_F(InputMacroTest, UnusedInputsAreDisabledAndFilledTextKeepsKeyMacros) {
  dialog.script = [](InputDialogModel& model) {
    EXPECT_TRUE(model.fieldEnabled(0));
    EXPECT_FALSE(model.fieldEnabled(1));
    EXPECT_EQ(model.placeholder(2), "【入力3】");
    EXPECT_EQ(model.previewText(), "ID:【入力1】【Tab：200】PW:【入力3】/【入力1】");
    EXPECT_TRUE(model.update({"user", "", "", "", ""}));
    EXPECT_FALSE(model.update({"user", "", "", "", ""}));
    EXPECT_EQ(model.previewText(), "ID:user【Tab：200】PW:【入力3】/user");
    EXPECT_EQ(model.highlightedRanges()[2], (TextRange{32, 36}));
    return model.ok({"user", "", "pw", "", ""}, true);
  };
  EXPECT_EQ(PrepareValueForPaste(text, analyzer, dialog, ime), "ID:user" + kTab200 + "PW:pw/user");
  EXPECT_TRUE(ime.open);
  EXPECT_EQ(ui.busyChanges(), (std::vector<bool>{true, false}));
  ExpectUiScriptFinished(ui);
}

TEST_F(InputMacroTest, AClearedFieldIsRefusedAndCancelAbandonsThePaste) {
  dialog.script = [](InputDialogModel& model) {
    model.update({"a", "", "b", "", ""});
    model.update({"", "", "b", "", ""});
    EXPECT_EQ(model.previewText(), "ID:【Tab：200】PW:b/");
    EXPECT_FALSE(model.ok({"", "", "b", "", ""}, false));
    model.cancel(false);
    return false;
  };
  ime.open = true;
  EXPECT_EQ(PrepareValueForPaste(text, analyzer, dialog, ime), std::nullopt);
  EXPECT_FALSE(ime.open);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "入力されていない項目があります　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kInformation);
}

TEST_F(InputMacroTest, TextsWithoutInputsNeedNoDialog) {
  dialog.script = [](InputDialogModel&) -> bool { ADD_FAILURE() << "no dialog expected"; return false; };
  EXPECT_EQ(PrepareValueForPaste("<@@SYSDATE><@DD10/><@@/SYSDATE>" + kTab200, analyzer, dialog, ime),
            "04" + kTab200);
}

}  // namespace
}  // namespace qb
