// "日時マクロ定義" on a real window: fixed text and parts typed into the area reach the model,
// parts are protected and removed whole, and OK saves the definition.
#include "app/win32/dialogs/dialogs.h"
#include "tests/win32/dialogs/macro_dialogs_test.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;
using test::ListCount;
using test::ListItem;

const std::wstring kCaption = L"日時マクロ定義";

class SysdateEditorDialogTest : public test::MacroDialogTest {
 protected:
  bool run(DialogDriver::Script script) {
    return drive(std::move(script), [&] { return RunSysdateEditorDialog(owner(), ui_, L"", model_); });
  }
  SysdateEditorModel model_{analyzer_, store_};
};

TEST_F(SysdateEditorDialogTest, FixedTextAndAPartAreSavedAsANewDefinition) {
  EXPECT_TRUE(run([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expect(ui_.isBusy(), "busy while open");
    HWND combo = d.item(kSysdateDefinitions);
    d.expect(ListCount(combo, true) == 1 && ListItem(combo, 0, true) == L"(新規作成)", "only (新規作成)");
    d.expect(!d.enabled(kSysdateDelete), "nothing to delete");
    HWND area = d.item(kSysdateArea);
    test::TypeInto(area, 0, 0, L"今日は");
    d.command(partCommand("<@MM10/>"), 0);
    d.expect(test::RichTextOf(area) == L"今日は04", "the part shows its value");
    d.expect(test::IsPartLook(test::RichLookOf(area, 3, 5)), "the part is bold and blue");
    test::TypeInto(area, 5, 5, L"月");
    d.expect(test::RichTextOf(area) == L"今日は04月", "text typed after the part");
    d.expect(test::IsPlainLook(test::RichLookOf(area, 5, 6)), "typed text is fixed text");
    d.click(IDOK);
    d.waitClosed();
  }));
  EXPECT_EQ(model_.text(), "今日は04月");
  EXPECT_EQ(stored("sysd0000.cln"), "0:::0:::0:::<@@SYSDATE>今日は<@MM10/>月<@@/SYSDATE>");
}

TEST_F(SysdateEditorDialogTest, APartCannotBeTypedIntoAndIsRemovedWhole) {
  run([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    HWND area = d.item(kSysdateArea);
    test::TypeInto(area, 0, 0, L"[]");
    CHARRANGE caret{1, 1};
    SendMessageW(area, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    d.command(partCommand("<@YOBI2/>"), 0);  // "月曜日"
    d.expect(test::RichTextOf(area) == L"[月曜日]", "the part inserted at the caret");
    test::TypeInto(area, 2, 2, L"x");
    test::TypeInto(area, 1, 3, L"");
    d.expect(test::RichTextOf(area) == L"[月曜日]", "the part is unchanged");
    d.expect(test::IsPartLook(test::RichLookOf(area, 1, 4)), "and still a part");
    caret = {4, 4};  // just behind the part
    SendMessageW(area, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    d.command(kSysdateRemovePart, 0);
    d.expect(test::RichTextOf(area) == L"[]", "the part removed whole");
    d.command(kSysdateRemovePart, 0);
    d.click(IDCANCEL);
    d.waitClosed();
  });
  EXPECT_EQ(model_.text(), "[]");
  EXPECT_EQ(model_.parts().count, 0);
  ASSERT_EQ(ui_.boxes().size(), 1u);
  EXPECT_EQ(ui_.boxes()[0].text, "カーソルの位置に部品がありません");
}

TEST_F(SysdateEditorDialogTest, AnEmptyAreaIsRefusedOnOk) {
  EXPECT_FALSE(run([](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.click(IDOK);
    d.expect(IsWindowVisible(d.dialog()) != FALSE, "still open");
    d.click(IDCANCEL);
    d.waitClosed();
  }));
  ASSERT_EQ(ui_.boxes().size(), 1u);
  EXPECT_EQ(ui_.boxes()[0].text, "編集領域に入力されていません　　");
  EXPECT_TRUE(fs_.list("C:\\data\\macro\\*").empty());
}

TEST_F(SysdateEditorDialogTest, SwitchingAfterAnEditAsksFirstAndDeleteRemovesTheDefinition) {
  store_.m_SysdateSave("", "<@@SYSDATE><@YY2/>年<@@/SYSDATE>");
  store_.m_SysdateSave("", "<@@SYSDATE><@hh10/>時<@@/SYSDATE>");
  ui_.expectAnswer(MessageAnswer::kNo);   // keep the edited definition
  ui_.expectAnswer(MessageAnswer::kYes);  // delete it
  run([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    HWND combo = d.item(kSysdateDefinitions);
    HWND area = d.item(kSysdateArea);
    d.expect(ListCount(combo, true) == 3 && ListItem(combo, 1, true) == L"09時" &&
                 ListItem(combo, 2, true) == L"2024年",
             "the definitions by their values, newest first");
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    d.command(kSysdateDefinitions, CBN_SELCHANGE);
    d.expect(test::RichTextOf(area) == L"09時", "the definition loaded");
    d.expect(test::IsPartLook(test::RichLookOf(area, 0, 2)) && test::IsPlainLook(test::RichLookOf(area, 2, 3)),
             "its part formatted");
    test::TypeInto(area, 3, 3, L"!");
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    d.command(kSysdateDefinitions, CBN_SELCHANGE);
    d.expect(SendMessageW(combo, CB_GETCURSEL, 0, 0) == 1, "the edited definition stays selected");
    d.expect(test::RichTextOf(area) == L"09時!", "and its edit stays");
    d.expect(d.enabled(kSysdateDelete), "削除... for a stored definition");
    d.click(kSysdateDelete);
    d.expect(ListCount(combo, true) == 2, "one definition left");
    d.click(IDCANCEL);
    d.waitClosed();
  });
  ASSERT_EQ(ui_.boxes().size(), 2u);
  EXPECT_EQ(ui_.boxes()[0].text, "編集した内容が破棄されます。よろしいですか？");
  EXPECT_EQ(ui_.boxes()[1].text, "削除します。よろしいですか？");
  EXPECT_EQ(stored("sysd0001.cln"), "(missing)");
  EXPECT_EQ(stored("sysd0000.cln"), "0:::0:::0:::<@@SYSDATE><@YY2/>年<@@/SYSDATE>");
}

}  // namespace
}  // namespace qb
