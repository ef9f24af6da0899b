// "Quillbox＜変更＞": macros shown by their display forms, inserted and deleted whole, and the
// stored form given back.
#include "tabs/save/change_dialog_model.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_clock.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

const std::string kDate = "<@@SYSDATE><@MM10/>/<@DD10/><@@/SYSDATE>";
const std::string kInput = "<@@ACTIONIN><@IN02/><@@/ACTIONIN>";

class ChangeDialogTest : public ::testing::Test {
 protected:
  FakeClock clock{DateTime{2026, 3, 4, 15, 7, 9, 0}};
  ScriptedUi ui;
  MacroAnalyzer analyzer{ui, clock};
};

TEST_F(ChangeDialogTest, MacrosAreShownByTheirDisplayAndCannotBeEditedInside) {
  ChangeDialogModel model(ui, analyzer, "件", "日付" + kDate + "と" + kInput);
  EXPECT_EQ(model.text(), "日付03/04と【入力2】");
  ASSERT_EQ(model.macros().count, 2);
  EXPECT_EQ(model.macros().start[0], 4);
  EXPECT_FALSE(model.replaceText(5, 6, "x"));   // inside the date
  EXPECT_FALSE(model.replaceText(2, 5, ""));    // across its start
  EXPECT_FALSE(model.replaceText(6, 6, "x"));   // typing inside it
  EXPECT_TRUE(model.replaceText(4, 4, "："));   // right before it is fixed text
  EXPECT_TRUE(model.replaceText(0, 4, "D"));
  EXPECT_EQ(model.text(), "D：03/04と【入力2】");
  EXPECT_EQ(model.storedValue(), "D：" + kDate + "と" + kInput);
  EXPECT_EQ(model.label().label(), "件");
  ExpectUiScriptFinished(ui);
}

TEST_F(ChangeDialogTest, InsertedMacrosGoToTheCaretOutsideOtherMacrosAndAreDeletedWhole) {
  ChangeDialogModel model(ui, analyzer, "", "ab" + kInput);
  ASSERT_EQ(model.insertMacro({kDate, "03/04"}, 1), 0);
  EXPECT_EQ(model.text(), "a03/04b【入力2】");
  ASSERT_EQ(model.insertMacro({"<@@KEYIN><@TAB01/>200<@@/KEYIN>", "【Tab：200】"}, 9), 0);
  EXPECT_EQ(model.text(), "a03/04b【入力2】【Tab：200】");  // moved behind the macro it fell into
  EXPECT_EQ(model.storedValue(), "a" + kDate + "b" + kInput + "<@@KEYIN><@TAB01/>200<@@/KEYIN>");
  EXPECT_TRUE(model.removeMacroAt(8));  // the input macro
  EXPECT_FALSE(model.removeMacroAt(0));
  EXPECT_TRUE(model.removeMacroAt(6));  // the date macro ends right at the caret
  EXPECT_EQ(model.text(), "ab【Tab：200】");
  EXPECT_EQ(model.storedValue(), "ab<@@KEYIN><@TAB01/>200<@@/KEYIN>");
}

TEST_F(ChangeDialogTest, AHundredMacrosAreTheMost) {
  std::string value;
  for (int i = 0; i < 100; ++i) value += kInput;
  ChangeDialogModel model(ui, analyzer, "", value);
  EXPECT_EQ(model.insertMacro({kInput, "【入力2】"}, 0), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "埋め込みマクロの最大数をオーバーしています");
  EXPECT_EQ(model.storedValue(), value);
}

TEST_F(ChangeDialogTest, ASeparatorIsALineOfItsOwn) {
  ChangeDialogModel model(ui, analyzer, "", "ab");
  model.insertSeparator(3, 1);
  EXPECT_EQ(model.text(), "a\r\n" + ChangeDialogModel::separators()[3] + "\r\nb");
  model.insertSeparator(99, 0);  // no such separator
  EXPECT_EQ(model.storedValue(), model.text());
}

TEST_F(ChangeDialogTest, ABlockOfALaterReleaseIsKeptThroughTheDialog) {
  ChangeDialogModel model(ui, analyzer, "", "a<@@OTHER>x<@@/OTHER>b");
  EXPECT_EQ(model.storedValue(), "a<@@OTHER>x<@@/OTHER>b");
}

TEST_F(ChangeDialogTest, AValueWhoseMacrosCannotBeReadIsKeptAsItStands) {
  ChangeDialogModel model(ui, analyzer, "", "x<@@SYSDATE><@YY2/");
  EXPECT_EQ(model.text(), "x<@@SYSDATE><@YY2/");
  EXPECT_EQ(model.macros().count, 0);
  EXPECT_EQ(model.storedValue(), "x<@@SYSDATE><@YY2/");
}

}  // namespace
}  // namespace qb
