// With "RirekiDuplicate" 1 a text copied again replaces its older item; a text marked private is
// never stored; a restart on the same data home finds the items as they were left.
#include <windows.h>

#include <map>

#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const std::wstring kFirst = L"重複する値Ａ";
const std::wstring kSecond = L"二番目の値Ｂ";
const std::wstring kSecret = L"パスワード：ひみつ";
const std::wstring kSentinel = L"目印：秘密の後";

// Every file of the history folder (item files and whatever keeps their creation order), byte
// for byte.
std::map<std::wstring, std::string> folderBytes(const std::wstring& folder) {
  std::map<std::wstring, std::string> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    files[found.cFileName] = readFileBytes(folder + L"\\" + found.cFileName).value_or("<unreadable>");
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

std::string describe(const std::map<std::wstring, std::string>& files) {
  std::string text;
  for (const auto& [name, bytes] : files) text += " " + toUtf8(name) + "(" + std::to_string(bytes.size()) + ")";
  return text.empty() ? " none" : text;
}

void expectNames(const std::wstring& folder, const std::vector<std::wstring>& expected,
                 const std::string& when) {
  std::string seen;
  for (const auto& name : historyFileNames(folder)) seen += " " + toUtf8(name);
  expect(historyFileNames(folder) == expected, "history files " + when + ":" + seen);
}

}  // namespace

void runHistoryStoreScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome =
      dataHomeWithSetting(context, L"history-store", "RirekiDuplicate=", "1");
  std::map<std::wstring, std::string> atExit;
  std::wstring folder;
  {
    QuillboxUnderTest quillbox(context.program, dataHome);
    folder = quillbox.historyFolder();
    putClipboardText(kFirst);
    waitForHistoryItem(folder, historyFileName(1), toShiftJis(kFirst));
    putClipboardText(kSecond);
    waitForHistoryItem(folder, historyFileName(2), toShiftJis(kSecond));
    putClipboardText(kFirst);
    // The newer A takes the next number and the older one goes.
    waitFor("the older copy of the repeated text to go", kStandardLimitMs, [&] {
      return historyFileNames(folder) ==
             std::vector<std::wstring>{historyFileName(2), historyFileName(3)};
    });
    const std::string newer = readUnshifted(folder + L"\\" + historyFileName(3)).value_or("");
    expectFreshRecord(historyFileName(3), newer, toShiftJis(kFirst));

    // Notices are handled in order: once the sentinel is stored, the private text was seen.
    putPrivateClipboardText(kSecret);
    const auto before = historyFileNames(folder);
    putClipboardText(kSentinel);
    waitForNewHistoryItem(folder, before, toShiftJis(kSentinel));
    for (const auto& name : historyFileNames(folder)) {
      const auto record = splitHistoryRecord(readUnshifted(folder + L"\\" + name).value_or(""));
      expect(!record || record->value != toShiftJis(kSecret), toUtf8(name) + " holds the private text");
    }
    expectNames(folder, {historyFileName(1), historyFileName(2), historyFileName(3)},
                "after the private text and the sentinel");
    emptyClipboard();  // nothing for the next start to take
    quillbox.closeAndWaitForEnd();
    atExit = folderBytes(folder);
  }
  QuillboxUnderTest again(context.program, dataHome);
  const auto afterRestart = folderBytes(folder);
  expect(afterRestart == atExit, "the history folder changed over a restart: before" +
                                     describe(atExit) + ", after" + describe(afterRestart));
  again.closeAndWaitForEnd();
  expect(folderBytes(folder) == atExit, "the history folder changed at the second exit");
}

}  // namespace qb::e2e
