// The portable zip, unpacked into a folder, runs from there: the program keeps its data home
// beside itself (program folder + logon name) and captures a copied text into it.
#include <windows.h>

#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/package_files.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {

void runPackagePortableScenario(const ScenarioContext& context) {
  const std::wstring kCopied = L"ポータブル版でコピーした文字列";
  const std::wstring folder = unpackedPortableFolder(context.scratch);
  for (const std::wstring& file : packagedFiles()) {
    expect(fileExists(folder + L"\\" + file), "the portable package has no " + toUtf8(file));
  }
  expect(fileExists(folder + L"\\README.txt"), "the portable package has no README.txt");

  const std::wstring dataHome = folder + L"\\" + logonName();
  expect(removeFolderTree(dataHome), "cannot remove the earlier data home " + toUtf8(dataHome));
  emptyClipboard();
  QuillboxUnderTest quillbox(folder + L"\\quillbox2.exe", dataHome, ChosenByTheProgram{});
  waitFor("the settings file beside the program, in " + toUtf8(dataHome), kStandardLimitMs,
          [&] { return fileExists(dataHome + L"\\quillbox2.dat"); });

  const auto before = historyFileNames(quillbox.historyFolder());
  putClipboardText(kCopied);
  const std::string value = toShiftJis(kCopied);
  const std::wstring name = waitForNewHistoryItem(quillbox.historyFolder(), before, value);
  expectFreshRecord(name, readUnshifted(quillbox.historyFolder() + L"\\" + name).value_or(""), value);
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
