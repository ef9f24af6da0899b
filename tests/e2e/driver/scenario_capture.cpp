// Copying texts in another program stores each new one as the next History item file; copying
// the last text again stores nothing.
#include <windows.h>

#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

// Shift-JIS with a 0x5C trail byte (ソ), a line break, full-width digits and space.
const std::wstring kCopiedTexts[] = {
    L"表示ソフト：第一の値",
    L"二番目のテキスト\r\n改行あり",
    L"３つ目　全角スペース",
};
const std::wstring kSentinel = L"四つ目：繰り返しの後の目印";

void copyAndExpectItem(const QuillboxUnderTest& quillbox, const std::wstring& text, int number) {
  putClipboardText(text);
  const std::wstring name = historyFileName(number);
  const std::string value = toShiftJis(text);
  expectFreshRecord(name, waitForHistoryItem(quillbox.historyFolder(), name, value), value);
}

void expectFileNames(const std::wstring& folder, const std::vector<std::wstring>& expected) {
  const auto names = historyFileNames(folder);
  std::string seen;
  for (const auto& name : names) seen += toUtf8(L" " + name);
  expect(names == expected, "history files after " + std::to_string(expected.size()) +
                                " stores:" + (seen.empty() ? " none" : seen));
}

// Only `keeper` holds `value`.
void expectSingleHolder(const std::wstring& folder, const std::wstring& keeper,
                        const std::string& value) {
  for (const auto& name : historyFileNames(folder)) {
    if (name == keeper) continue;
    const auto record = splitHistoryRecord(readUnshifted(folder + L"\\" + name).value_or(""));
    expect(!record || record->value != value,
           toUtf8(name) + " holds the repeated text " + quotedShiftJis(value) + " as well");
  }
}

}  // namespace

void runCaptureScenario(const ScenarioContext& context) {
  emptyClipboard();
  // Given with a trailing backslash; the folder does not exist before the start.
  const std::wstring dataHome = freshDataHome(context, L"capture") + L"\\";
  QuillboxUnderTest quillbox(context.program, dataHome);
  const DWORD attributes = GetFileAttributesW(dataHome.c_str());
  expect(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
         "the program did not create its data home " + toUtf8(dataHome));
  const std::wstring folder = quillbox.historyFolder();

  for (int i = 0; i < 3; ++i) copyAndExpectItem(quillbox, kCopiedTexts[i], i + 1);
  expectFileNames(folder, {historyFileName(1), historyFileName(2), historyFileName(3)});

  // The repeat is read before the sentinel is copied, and the sentinel's file comes after any
  // file the repeat could have made.
  offerClipboardText(kCopiedTexts[2]);
  waitForOfferRead(quillbox.process().id());
  const auto before = historyFileNames(folder);
  putClipboardText(kSentinel);
  const std::wstring sentinelFile = waitForNewHistoryItem(folder, before, toShiftJis(kSentinel));
  expectSingleHolder(folder, historyFileName(3), toShiftJis(kCopiedTexts[2]));
  expectFileNames(folder, {historyFileName(1), historyFileName(2), historyFileName(3),
                           historyFileName(4)});
  expectFreshRecord(sentinelFile, readUnshifted(folder + L"\\" + sentinelFile).value_or(""),
                    toShiftJis(kSentinel));

  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
