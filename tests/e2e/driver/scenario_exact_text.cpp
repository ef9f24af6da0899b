// A text code page 932 cannot hold, copied as Unicode text, comes back exactly: the History row
// shows it, a click pastes it into the editor, "保存..." keeps it exact in the Save group, a
// restart keeps it; without its companion file
// the item still loads and shows its code-page-932 form.
#include <windows.h>

#include "app/win32/dialogs/save_dialog_ids.h"

#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/save_tab_steps.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

namespace ids = dialog_ids;

const std::wstring kExact = L"caf\u00e9 \U0001F600 \U00020BB7\u91ce\u5bb6";  // café 😀 𠮷野家

// The code-page-932 form as the program makes it: "?" for what the code page cannot hold, no
// look-alike characters.
std::string codePageForm(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr,
                                        0, "?", nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), bytes, "?",
                      nullptr);
  return out;
}

bool fileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void runExactTextScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"exact-text") + L"\\";
  const std::wstring companion = dataHome + L"clipsave\\SAVE0001.utf";
  TargetWindow editor;
  {
    QuillboxUnderTest quillbox(context.program, dataHome);
    focusEditor(quillbox, editor);
    const auto before = historyFileNames(quillbox.historyFolder());
    putClipboardText(kExact);  // as CF_UNICODETEXT
    // The item holds the code-page-932 form, as every other copy of the program reads it.
    waitForNewHistoryItem(quillbox.historyFolder(), before, codePageForm(kExact));
    waitFor("the companion SAVE0001.utf", kStandardLimitMs, [&] { return fileExists(companion); });
    HWND list = callUpFromTray(quillbox);
    waitForRows(list, {kExact}, "the History row to show " + quoted(kExact));

    editor.clear();
    focusEditor(quillbox, editor);
    callUpFromTray(quillbox);
    clickRow(list, 0);
    waitFor("the editor to receive " + quoted(kExact), kStandardLimitMs,
            [&] { return editor.text(0) == kExact; },
            [&] { return "field: " + quoted(editor.text(0)); });

    // "保存..." keeps it exact in the Save group too.
    const DWORD process = quillbox.process().id();
    callUpFromTray(quillbox);
    chooseRowMenu(list, 0, {L"保存..."});
    HWND save = waitForDialog(process, L"Quillbox＜保存＞");
    setFieldText(save, ids::kSaveLabel, L"exact");
    pressDialogButton(save, IDOK);
    waitForDialogGone(save);
    waitForSaveItem(dataHome, 0, 1, "exact:::0:::0:::" + codePageForm(kExact));
    waitFor("the companion CLIP001.utf", kStandardLimitMs,
            [&] { return fileExists(dataHome + L"ラベル付き格納00\\CLIP001.utf"); });
    chooseTab(quillbox.mainWindow(), L"保存");
    waitForRows(findListView(quillbox.mainWindow()), {kExact},
                "the Save row to show " + quoted(kExact));
    chooseTab(quillbox.mainWindow(), L"履歴");
    quillbox.closeAndWaitForEnd();
  }
  {
    QuillboxUnderTest again(context.program, dataHome);
    const HWND list = findListView(again.mainWindow());
    expect(list != nullptr, "the main window has no list after the restart");
    waitForRows(list, {kExact}, "the History row to show " + quoted(kExact) + " after a restart");
    again.closeAndWaitForEnd();
  }
  expect(DeleteFileW(companion.c_str()) != FALSE, "cannot delete the companion");
  QuillboxUnderTest without(context.program, dataHome);
  const HWND list = findListView(without.mainWindow());
  expect(list != nullptr, "the main window has no list");
  const std::wstring shown = fromShiftJis(codePageForm(kExact));
  waitForRows(list, {shown}, "the row to show the code-page-932 form " + quoted(shown));
  without.closeAndWaitForEnd();
}

}  // namespace qb::e2e
