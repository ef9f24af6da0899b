// "Quillbox＜保存＞" and "Quillbox＜変更＞" on a real window: the label refuses ":::" as it is
// typed; the value's macros are blue and protected, and what is typed around them is kept.
#include <gtest/gtest.h>

#include "app/win32/dialogs/save_dialog_ids.h"
#include "app/win32/dialogs/save_dialogs.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;

class SaveDialogsTest : public test::DialogTest {
 protected:
  FakeClock clock_{DateTime{2026, 3, 4, 15, 7, 9, 0}};
  FakeFileSystem fs_{clock_};
  MacroAnalyzer analyzer_{ui_, clock_};
  SysdateStore store_{fs_, ui_, "C:\\QB\\"};
};

TEST_F(SaveDialogsTest, TheLabelRefusesTheSeparatorAsItIsTyped) {
  SaveDialogModel model(ui_);
  const bool ok = drive(
      [](DialogDriver& d) {
        if (!d.waitForDialog(L"Quillbox＜保存＞")) return;
        d.setText(kSaveLabel, L"挨拶");
        d.setText(kSaveLabel, L"挨:::拶");
        d.expectText(kSaveLabel, L"挨拶");
        d.click(IDOK);
        d.waitClosed();
      },
      [&] { return RunSaveDialog(owner(), ui_, L"", model); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(model.result(), "挨拶");
  ASSERT_EQ(ui_.boxes().size(), 1u);
  EXPECT_EQ(ui_.boxes()[0].text, "ラベルに「:::」は使用できません　");
}

TEST_F(SaveDialogsTest, MacrosAreBlueAndProtectedAndTypingAroundThemIsKept) {
  ChangeDialogModel model(ui_, analyzer_, "件", "a<@@ACTIONIN><@IN02/><@@/ACTIONIN>b");
  const bool ok = drive(
      [](DialogDriver& d) {
        if (!d.waitForDialog(L"Quillbox＜変更＞")) return;
        d.expectText(kChangeLabel, L"件");
        HWND value = d.item(kChangeValue);
        d.expect(test::RichTextOf(value) == L"a【入力2】b", "the value shows the macro's display");
        const CHARFORMAT2W look = test::RichLookOf(value, 1, 6);  // "【入力2】"
        d.expect((look.dwEffects & CFE_PROTECTED) && look.crTextColor == RGB(0, 0, 255),
                 "the macro is blue and protected");
        SendMessageW(value, EM_SETSEL, 3, 3);  // inside the macro: refused
        SendMessageW(value, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));
        SendMessageW(value, EM_SETSEL, 7, 7);  // behind "b"
        SendMessageW(value, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"c"));
        d.expect(test::RichTextOf(value) == L"a【入力2】bc", "only the text beside the macro changed");
        d.click(IDOK);
        d.waitClosed();
      },
      [&] { return RunChangeDialog(owner(), ui_, L"", model, {analyzer_, store_}); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(model.storedValue(), "a<@@ACTIONIN><@IN02/><@@/ACTIONIN>bc");
}

// A text beyond code page 932 is shown and edited as it is; a separator goes in as its own line.
TEST_F(SaveDialogsTest, ATextBeyondCodePage932IsEditedInItsExactForm) {
  ChangeDialogModel model(ui_, analyzer_, "件", "caf? ??");
  model.setExactForm("caf\xC3\xA9 \xF0\x9F\x98\x80");  // "café 😀" in UTF-8
  const bool ok = drive(
      [](DialogDriver& d) {
        if (!d.waitForDialog(L"Quillbox＜変更＞")) return;
        HWND value = d.item(kChangeValue);
        d.expect(test::RichTextOf(value) == L"caf\u00E9 \U0001F600", "the exact form is shown");
        SendMessageW(value, EM_SETSEL, 0, 0);
        SendMessageW(value, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\u00C0 "));
        SendMessageW(value, EM_SETSEL, -1, -1);
        SendMessageW(d.dialog(), WM_COMMAND, kChangeSeparatorFirst + 3, 0);  // "----..."
        d.click(IDOK);
        d.waitClosed();
      },
      [&] { return RunChangeDialog(owner(), ui_, L"", model, {analyzer_, store_}); });
  EXPECT_TRUE(ok);
  const std::string dashes(40, '-');
  EXPECT_EQ(model.exactForm(),
            "\xC3\x80 caf\xC3\xA9 \xF0\x9F\x98\x80\r\n" + dashes + "\r\n");
  EXPECT_EQ(model.storedValue().substr(0, 1), "?");
}

}  // namespace
}  // namespace qb
