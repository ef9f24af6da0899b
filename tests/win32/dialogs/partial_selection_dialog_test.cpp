// The partial selection on a real window: the part chosen keeps the value's own bytes, the mode
// label flips on a click and on Ctrl+Enter, and Enter confirms.
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;

const std::wstring kCaption = L"部分選択";

class PartialSelectionDialogTest : public test::DialogTest {
 protected:
  bool run(PartialSelectionModel& model, DialogDriver::Script script) {
    return drive(std::move(script), [&] { return RunPartialSelectionDialog(owner(), ui_, L"", model); });
  }
};

void Select(DialogDriver& d, long start, long end) {
  CHARRANGE range{start, end};
  SendMessageW(d.item(kPartialText), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

TEST_F(PartialSelectionDialogTest, TheSelectedPartKeepsItsLineBreaks) {
  PartialSelectionModel model("一行目\r\n二行目\r\n三行目", true);
  EXPECT_TRUE(run(model, [this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expect(ui_.isBusy(), "busy while open");
    d.expect(test::RichTextOf(d.item(kPartialText)) == L"一行目\r\n二行目\r\n三行目", "the whole value");
    d.expectText(kPartialMode, L"作業中文書に貼り付け");
    Select(d, 4, 9);  // "二行目", its line break and "三"
    d.click(IDOK);
    d.waitClosed();
  }));
  EXPECT_TRUE(model.partChosen());
  EXPECT_EQ(model.result(), "二行目\r\n三");
  EXPECT_TRUE(model.pasteMode());
}

TEST_F(PartialSelectionDialogTest, AClickOnTheLabelFlipsTheMode) {
  PartialSelectionModel model("abc", true);
  EXPECT_FALSE(run(model, [](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expectText(kPartialMode, L"作業中文書に貼り付け");
    SendMessageW(d.item(kPartialMode), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(d.item(kPartialMode), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    d.waitUntil([&] { return d.text(kPartialMode) == L"ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"; }, "the label flips");
    d.click(IDCANCEL);
    d.waitClosed();
  }));
  EXPECT_FALSE(model.pasteMode());
}

TEST_F(PartialSelectionDialogTest, EnterConfirmsAndCtrlEnterFlipsTheModeAndStaysOpen) {
  PartialSelectionModel model("abcdef", true);
  EXPECT_TRUE(run(model, [](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    HWND text = d.item(kPartialText);
    PostMessageW(text, WM_KEYDOWN, VK_RETURN, 1);  // through the dialog loop; Ctrl is not held
    d.waitClosed();
  }));
  EXPECT_EQ(model.result(), "abcdef");
  EXPECT_FALSE(model.partChosen());

  PartialSelectionModel flipped("abcdef", true);
  EXPECT_TRUE(run(flipped, [](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.command(kPartialEnter, 1);  // Enter with Ctrl held
    d.waitUntil([&] { return d.text(kPartialMode) == L"ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"; }, "Ctrl+Enter flips");
    Select(d, 2, 4);
    d.command(kPartialEnter, 0);
    d.waitClosed();
  }));
  EXPECT_FALSE(flipped.pasteMode());
  EXPECT_EQ(flipped.result(), "cd");
}

TEST_F(PartialSelectionDialogTest, AValueThatLooksLikeRichTextIsShownAsItStands) {
  PartialSelectionModel model("{\\rtf1 {\\b bold}}", true);
  run(model, [](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expect(test::RichTextOf(d.item(kPartialText)) == L"{\\rtf1 {\\b bold}}", "the text as it stands");
    Select(d, 0, -1);
    d.click(IDOK);
    d.waitClosed();
  });
  EXPECT_EQ(model.result(), "{\\rtf1 {\\b bold}}");
}

}  // namespace
}  // namespace qb
