// "貼付時入力" on a real window: the fields of the inputs the text uses, the preview with its
// bold blue places, the 500 ms update, OK refused while a used field is empty, and the input
// method flag kept between runs.
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "macros/input_fill.h"
#include "platform/fake/fake_clock.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;

const std::wstring kCaption = L"貼付時入力";
const std::string kText =
    "<@@ACTIONIN><@IN01/><@@/ACTIONIN> 様\r\n<@@ACTIONIN><@IN03/><@@/ACTIONIN>です";

class InputDialogTest : public test::DialogTest {
 protected:
  std::optional<std::string> paste(DialogDriver::Script script) {
    Win32InputDialogRunner runner(owner(), ui_, L"");
    return drive(std::move(script), [&] { return PrepareValueForPaste(kText, analyzer_, runner, ime_); });
  }
  FakeClock clock_;
  MacroAnalyzer analyzer_{ui_, clock_};
  InputMethodMemory ime_;
};

TEST_F(InputDialogTest, OnlyTheUsedInputsCanBeFilledAndThePreviewShowsThePlaces) {
  paste([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    d.expect(ui_.isBusy(), "busy while open");
    for (int i = 0; i < kInputFieldCount; ++i) {
      d.expectText(kInputLabel + i, L"入力" + std::to_wstring(i + 1) + L"：");
      d.expect(d.enabled(kInputField + i) == (i == 0 || i == 2), "field " + std::to_string(i + 1));
    }
    d.expectText(kInputPreviewLabel, L"値：");
    HWND preview = d.item(kInputPreview);
    d.expect(test::RichTextOf(preview) == L"【入力1】 様\r\n【入力3】です", "the preview");
    d.expect(test::IsPartLook(test::RichLookOf(preview, 0, 5)), "input 1 bold and blue");
    d.expect(test::IsPlainLook(test::RichLookOf(preview, 5, 8)), "fixed text plain");
    d.expect(test::IsPartLook(test::RichLookOf(preview, 8, 13)), "input 3 after the line break");
    d.click(IDCANCEL);
    d.waitClosed();
  });
}

TEST_F(InputDialogTest, OkIsRefusedWhileAUsedFieldIsEmptyAndTakesTheFilledText) {
  const std::optional<std::string> value = paste([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    HWND preview = d.item(kInputPreview);
    d.setText(kInputField + 0, L"山田");
    d.click(IDOK);
    d.expect(ui_.boxes().size() == 1, "one message box");
    d.expect(IsWindowVisible(d.dialog()) != FALSE, "the dialog stays open");
    d.setText(kInputField + 2, L"花子");
    d.waitUntil([&] { return test::RichTextOf(preview) == L"山田 様\r\n花子です"; },
                "the tick shows the typed inputs");
    d.expect(test::IsPartLook(test::RichLookOf(preview, 5, 7)), "the filled input is bold and blue");
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_EQ(ui_.boxes().size(), 1u);
  EXPECT_EQ(ui_.boxes()[0].text, "入力されていない項目があります　");
  EXPECT_EQ(ui_.boxes()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(value, std::optional<std::string>("山田 様\r\n花子です"));
  EXPECT_FALSE(ui_.isBusy());
}

TEST_F(InputDialogTest, AFieldClearedAfterAValueLeavesItsPlacesEmptyAndBlocksOk) {
  const std::optional<std::string> value = paste([this](DialogDriver& d) {
    if (!d.waitForDialog(kCaption)) return;
    HWND preview = d.item(kInputPreview);
    d.setText(kInputField + 0, L"A");
    d.setText(kInputField + 2, L"B");
    d.waitUntil([&] { return test::RichTextOf(preview) == L"A 様\r\nBです"; }, "both filled");
    d.setText(kInputField + 0, L"");
    d.waitUntil([&] { return test::RichTextOf(preview) == L" 様\r\nBです"; }, "input 1 emptied");
    d.click(IDOK);
    d.expect(ui_.boxes().size() == 1, "OK refused");
    d.click(IDCANCEL);
    d.waitClosed();
  });
  EXPECT_EQ(value, std::nullopt);
}

TEST_F(InputDialogTest, TheInputMethodFlagIsKeptBetweenRuns) {
  for (const bool open : {true, false}) {
    ime_.open = open;
    paste([](DialogDriver& d) {
      if (d.waitForDialog(kCaption)) d.click(IDCANCEL);
      d.waitClosed();
    });
    EXPECT_EQ(ime_.open, open);
  }
}

}  // namespace
}  // namespace qb
