// Narrowing a list by typing: 300 items lie in "clipsave" before the start; F3 opens the filter,
// "請求 送付" leaves exactly the one item that holds both words, Enter pastes it into the
// driver's editor, and Esc brings all 300 rows back. The same on the first related-files tab
// over a linked file of 5000 lines. A picture of the narrowed list is kept.
#include <windows.h>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/keyboard.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/screen_capture.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

constexpr int kItems = 300;
constexpr int kWantedItem = 137;
const std::wstring kWanted = L"請求書の送付先";
constexpr int kCountPane = 3;
constexpr int kRelatedLines = 5000;
constexpr int kWantedLine = kWantedItem;  // the only line that holds both words

std::wstring ItemValue(int number) {
  if (number == kWantedItem) return kWanted;
  // Every other item holds one of the two words, never both.
  return (number % 2 ? L"請求書 " : L"送付状 ") + std::to_wstring(number);
}

// The History as a run on this computer would have left it: byte-shifted records by this user.
void writeHistory(const std::wstring& dataHome) {
  const std::wstring folder = dataHome + L"clipsave";
  expect(CreateDirectoryW(dataHome.c_str(), nullptr) && CreateDirectoryW(folder.c_str(), nullptr),
         "cannot make the data home");
  for (int number = 1; number <= kItems; ++number) {
    std::string record = "00000000:::" + ownerName() + ":::000: :::0:::" + toShiftJis(ItemValue(number));
    for (char& byte : record) byte = static_cast<char>(static_cast<unsigned char>(byte) + 1);
    wchar_t name[32];
    swprintf(name, 32, L"\\SAVE%04d.cln", number);
    expect(writeFileBytes(folder + name, record), "cannot write " + toUtf8(name));
  }
}

// A linked file of 5000 phrases ("label:::value"), and the first related-files tab linked to it.
void writeRelatedFile(const std::wstring& dataHome) {
  const std::wstring file = dataHome + L"定型文5000.txt";
  std::string text;
  for (int line = 1; line <= kRelatedLines; ++line) {
    text += toShiftJis(line == kWantedLine ? L"件名:::" + kWanted
                                           : L"行" + std::to_wstring(line) + L":::" + ItemValue(line));
    text += "\r\n";
  }
  expect(writeFileBytes(file, text), "cannot write " + toUtf8(file));
  const std::string settings = "\"SANSYO_TEXT0_DIR0=\",\"" + toShiftJis(file) + "\",\"x\"\r\n";
  expect(writeFileBytes(dataHome + L"quillboxtxt.dat", settings), "cannot write quillboxtxt.dat");
}

void waitForCount(const QuillboxUnderTest& quillbox, const std::wstring& expected) {
  const HWND status = findStatusBar(quillbox.mainWindow());
  waitFor("the count pane to show " + quoted(expected), kStandardLimitMs,
          [&] { return statusPaneText(status, kCountPane) == expected; },
          [&] { return "pane: " + quoted(statusPaneText(status, kCountPane)); });
}

}  // namespace

void runFilterScenario(const ScenarioContext& context) {
  const std::wstring dataHome = freshDataHome(context, L"filter") + L"\\";
  writeHistory(dataHome);
  writeRelatedFile(dataHome);
  TargetWindow editor;
  QuillboxUnderTest quillbox(context.program, dataHome);
  focusEditor(quillbox, editor);
  HWND list = callUpFromTray(quillbox);
  waitFor("the 300 History rows", kStandardLimitMs,
          [&] { return listColumn(list, 1).size() == kItems; });

  pressKey(VK_F3);
  typeText(L"請求 送付");
  waitForRows(list, {kWanted}, "the filter to leave only " + quoted(kWanted));
  waitForCount(quillbox, L"1/300");
  RedrawWindow(quillbox.mainWindow(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::wstring shot = context.scratch + L"\\..\\screenshots\\filter-narrowed.bmp";
  expect(saveScreenBitmap(shot), "cannot save the screenshot " + toUtf8(shot));
  noteStep("screenshot " + toUtf8(shot));

  pressKey(VK_RETURN);
  waitFor("the editor to receive " + quoted(kWanted), kStandardLimitMs,
          [&] { return editor.text(0) == kWanted; },
          [&] { return "field: " + quoted(editor.text(0)); });

  // Called up again, the list is still narrowed; F3 goes back to the field, Esc shows all rows.
  list = callUpFromTray(quillbox);
  waitForRows(list, {kWanted}, "the list to stay narrowed");
  pressKey(VK_F3);
  pressKey(VK_ESCAPE);
  waitFor("all 300 rows again", kStandardLimitMs,
          [&] { return listColumn(list, 1).size() == kItems; });

  // The first related-files tab over the linked file of 5000 lines.
  chooseTab(quillbox.mainWindow(), L"関連1");
  waitFor("the 5000 rows of the linked file", kStandardLimitMs,
          [&] { return listColumn(list, 1).size() == kRelatedLines; });
  pressKey(VK_F3);
  typeText(L"請求 送付");
  waitForRows(list, {kWanted}, "the filter to leave only the line " + quoted(kWanted));
  waitForCount(quillbox, L"1/5000");
  editor.clear();
  pressKey(VK_RETURN);
  waitFor("the editor to receive the line's value", kStandardLimitMs,
          [&] { return editor.text(0) == kWanted; },
          [&] { return "field: " + quoted(editor.text(0)); });
  list = callUpFromTray(quillbox);
  waitForRows(list, {kWanted}, "the related-files list to stay narrowed");
  waitFor("the main window to be in front again", kStandardLimitMs,
          [&] { return GetForegroundWindow() == quillbox.mainWindow(); });
  pressKey(VK_F3);
  pressKey(VK_ESCAPE);
  waitFor("all 5000 lines again", kStandardLimitMs,
          [&] { return listColumn(list, 1).size() == kRelatedLines; });
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
