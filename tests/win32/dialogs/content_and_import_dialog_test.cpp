// The content view and the import of a file on a real window.
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace dialog_ids;
using test::DialogDriver;

class ContentViewDialogTest : public test::DialogTest {};

TEST_F(ContentViewDialogTest, ShowsTheWholeValueReadOnlyWithItsSize) {
  std::string value;
  while (value.size() < 100000) value += "内容確認のテスト abc\r\n";
  drive(
      [&](DialogDriver& d) {
        if (!d.waitForDialog(L"内容確認")) return;
        d.expect(ui_.isBusy(), "busy while open");
        d.expectText(kContentSize, L"サイズ：" + std::to_wstring(value.size()) + L" バイト");
        d.expect(d.text(kContentText) == SjisToWide(value), "the whole value");
        const LONG style = GetWindowLongW(d.item(kContentText), GWL_STYLE);
        d.expect((style & ES_READONLY) != 0, "read-only");
        d.click(IDOK);
        d.waitClosed();
      },
      [&] {
        RunContentViewDialog(owner(), ui_, L"", "内容確認", value);
        return 0;
      });
}

TEST_F(ContentViewDialogTest, ALoneLineFeedIsShownAsALineBreak) {
  drive(
      [](DialogDriver& d) {
        if (!d.waitForDialog(L"内容")) return;
        d.expectText(kContentSize, L"サイズ：5 バイト");
        d.expectText(kContentText, L"a\r\nb\r\nc");
        d.command(IDCANCEL, BN_CLICKED);  // Esc
        d.waitClosed();
      },
      [&] {
        RunContentViewDialog(owner(), ui_, L"", "内容", "a\nb\rc");
        return 0;
      });
}

class ImportDialogTest : public test::DialogTest {
 protected:
  void SetUp() override {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    file_ = std::wstring(folder) + L"取り込みテスト.txt";
    HANDLE handle = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(handle);
  }
  void TearDown() override { DeleteFileW(file_.c_str()); }

  std::optional<ImportChoice> run(DialogDriver::Script script) {
    return drive(std::move(script), [&] { return RunImportDialog(owner(), ui_, L""); });
  }
  std::wstring file_;
};

TEST_F(ImportDialogTest, OffersTheThreeKindsAndTakesTheCheckedOneWithTheFile) {
  const std::optional<ImportChoice> choice = run([this](DialogDriver& d) {
    if (!d.waitForDialog(L"ファイルの取り込み")) return;
    d.expectText(kImportFileName, L"ファイル名の取り込み");
    d.expectText(kImportFullPath, L"フルパスの取り込み");
    d.expectText(kImportContents, L"ファイル内容の取り込み");
    d.expectText(kImportBrowse, L"参照...");
    d.expect(SendMessageW(d.item(kImportFileName), BM_GETCHECK, 0, 0) == BST_CHECKED, "file name first");
    d.click(kImportFullPath);
    d.setText(kImportPath, L" \"" + file_ + L"\" ");  // as a copied path comes
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->kind, ImportKind::kFullPath);
  EXPECT_EQ(choice->path, WideToSjis(file_));
  EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(ImportDialogTest, RefusesAnEmptyAMissingAndAnUnholdablePathAndStaysOpen) {
  const std::optional<ImportChoice> choice = run([this](DialogDriver& d) {
    if (!d.waitForDialog(L"ファイルの取り込み")) return;
    d.click(IDOK);
    d.setText(kImportPath, file_ + L".none");
    d.click(IDOK);
    d.setText(kImportPath, L"C:\\caf\u00e9.txt");
    d.click(IDOK);
    d.expect(IsWindowVisible(d.dialog()) != FALSE, "still open");
    d.click(kImportContents);
    d.setText(kImportPath, file_);
    d.click(IDOK);
    d.waitClosed();
  });
  ASSERT_EQ(ui_.boxes().size(), 3u);
  EXPECT_EQ(ui_.boxes()[0].text, "取り込むファイルを指定してください");
  EXPECT_EQ(ui_.boxes()[1].text, "指定されたファイルが見つかりません");
  EXPECT_EQ(ui_.boxes()[2].text, "ファイル名に扱えない文字が含まれています");
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->kind, ImportKind::kContents);
}

TEST_F(ImportDialogTest, CancelImportsNothing) {
  EXPECT_EQ(run([this](DialogDriver& d) {
              if (!d.waitForDialog(L"ファイルの取り込み")) return;
              d.setText(kImportPath, file_);
              d.click(IDCANCEL);
              d.waitClosed();
            }),
            std::nullopt);
}

}  // namespace
}  // namespace qb
