// "埋め込みマクロ設定" on a real window: the kinds, their formats and previews, and "定義..."
// opening the date-macro definitions, whose new definition is listed on return.
#include "app/win32/dialogs/dialogs.h"
#include "tests/win32/dialogs/macro_dialogs_test.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;
using test::ListCount;
using test::ListItem;

class MacroInsertionDialogTest : public test::MacroDialogTest {
 protected:
  bool run(DialogDriver::Script script) {
    return drive(std::move(script), [&] { return RunMacroInsertionDialog(owner(), ui_, L"", model_); });
  }
  void chooseKind(DialogDriver& d, int kind) {
    SendMessageW(d.item(kMacroKind), CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
    d.command(kMacroKind, CBN_SELCHANGE);
  }
  MacroInsertionModel model_{analyzer_, store_};
};

TEST_F(MacroInsertionDialogTest, ListsTheDatePresetsAndTheKeyFormatsWithTheirPreviews) {
  EXPECT_TRUE(run([this](DialogDriver& d) {
    if (!d.waitForDialog(L"埋め込みマクロ設定")) return;
    HWND kinds = d.item(kMacroKind);
    HWND formats = d.item(kMacroFormats);
    d.expect(ListCount(kinds, true) == 3 && ListItem(kinds, 0, true) == L"現在日時マクロ" &&
                 ListItem(kinds, 1, true) == L"貼付時入力マクロ" && ListItem(kinds, 2, true) == L"キーマクロ",
             "the three kinds");
    d.expect(ListCount(formats, false) == 3, "the three stored presets");
    d.expect(ListItem(formats, 0, false) == L"2024/04/01(月) AM 09:00:00", "newest definition first");
    d.expectText(kMacroPreview, L"2024/04/01(月) AM 09:00:00");
    d.expectText(kMacroExplanation,
                 L"現在日時マクロは現在の日付や時間を貼り付けます。形式は定義画面で作成することができます。");
    d.expect(d.enabled(kMacroDefine), "定義... for the date macro");
    chooseKind(d, 2);
    d.expect(ListCount(formats, false) == 6 && ListItem(formats, 0, false) == L"Tabキー（0.2秒待ってキー押下）",
             "the key formats");
    d.expectText(kMacroPreview, L"【Tab：200】");
    d.expect(!d.enabled(kMacroDefine), "no 定義... for key macros");
    SendMessageW(formats, LB_SETCURSEL, 3, 0);
    d.command(kMacroFormats, LBN_SELCHANGE);
    d.expectText(kMacroPreview, L"【Enter：200】");
    d.click(IDOK);
    d.waitClosed();
  }));
  const std::optional<InsertedMacro> macro = model_.ok();
  ASSERT_TRUE(macro.has_value());
  EXPECT_EQ(macro->macroText, "<@@KEYIN><@ENTER01/>200<@@/KEYIN>");
  EXPECT_EQ(macro->display, "【Enter：200】");
  EXPECT_EQ(stored("sysd0000.cln"), "0:::0:::0:::<@@SYSDATE><@AMPM1/> <@hh20/>:<@mm10/>:<@ss10/><@@/SYSDATE>");
}

TEST_F(MacroInsertionDialogTest, ANewDefinitionMadeThroughDefineIsListedOnReturn) {
  EXPECT_FALSE(run([this](DialogDriver& d) {
    HWND insertion = d.waitForDialog(L"埋め込みマクロ設定");
    if (insertion == nullptr) return;
    d.post(kMacroDefine, BN_CLICKED);
    if (!d.waitForDialog(L"日時マクロ定義")) return;
    d.expect(ui_.isBusy(), "busy while the nested dialog is open");
    test::TypeInto(d.item(kSysdateArea), 0, 0, L"定義 ");
    d.command(partCommand("<@YOBI2/>"), 0);
    d.click(IDOK);
    d.waitClosed();
    d.useDialog(insertion);
    HWND formats = d.item(kMacroFormats);
    d.waitUntil([&] { return ListCount(formats, false) == 4; }, "the new definition is listed");
    d.expect(ListItem(formats, 0, false) == L"定義 月曜日", "the new definition first");
    d.click(IDCANCEL);
    d.waitClosed();
  }));
  EXPECT_EQ(stored("sysd0003.cln"), "0:::0:::0:::<@@SYSDATE>定義 <@YOBI2/><@@/SYSDATE>");
  EXPECT_FALSE(ui_.isBusy());
}

}  // namespace
}  // namespace qb
