// With the Save tab shown, every command of its bar and of a row's context menu is tried once,
// answering Yes to every question: the History's files stay exactly as they were.
#include <windows.h>

#include <map>

#include "app/win32/dialogs/save_dialog_ids.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/save_tab_steps.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

// Every file of a folder, byte for byte.
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

// A dialog the command opens, closed with its button (or Esc: IDCANCEL).
void closeDialog(DWORD process, const std::wstring& caption, int button) {
  HWND dialog = waitForDialog(process, caption);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  waitForDialogGone(dialog);
}

}  // namespace

void runSaveCommandsScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"save-commands") + L"\\";
  TargetWindow editor;
  QuillboxUnderTest quillbox(context.program, dataHome);
  const DWORD process = quillbox.process().id();
  const HWND main = quillbox.mainWindow();
  copyInEditor(quillbox, editor, L"履歴の値");
  const auto historyBefore = folderBytes(quillbox.historyFolder());

  HWND list = callUpFromTray(quillbox);
  chooseTab(main, L"保存");
  // The bar.
  pressBarButton(main, L"新規...");
  HWND fresh = waitForDialog(process, L"Quillbox＜変更＞");
  setFieldText(fresh, dialog_ids::kChangeValue, L"保存の値");
  pressDialogButton(fresh, IDOK);
  waitForDialogGone(fresh);
  waitForSaveItem(dataHome, 0, 1, ":::0:::0:::" + toShiftJis(L"保存の値"));
  waitForLabels(main, {L""});
  HWND groups = barComboBox(main);
  chooseComboItem(groups, 1);
  waitFor("group 2 shown", kStandardLimitMs, [&] { return listColumn(list, 0).empty(); });
  chooseComboItem(groups, 0);
  waitForLabels(main, {L""});
  pressBarButton(main, L"並替▼");
  chooseFromPopupMenu(process, quillbox.windowThreadId(), {L"ラベル順"});
  pressBarButton(main, L"取込...");
  closeDialog(process, L"ファイルの取り込み", IDCANCEL);
  pressBarButton(main, L"説明");
  closeDialog(process, L"Quillbox", IDOK);

  // A row's context menu; the pastes go to the editor.
  const std::vector<std::vector<std::wstring>> pastes = {
      {L"作業中文書に貼り付け"},
      {L"クリップボードへコピー"},
      {L"特殊貼り付け", L"前後空白等を除去して貼付"},
      {L"特殊貼り付け", L"全ての空白等を除去して貼付"},
      {L"特殊貼り付け", L"1行貼付毎にTabキー押下"},
  };
  for (const auto& path : pastes) {
    focusEditor(quillbox, editor);
    callUpFromTray(quillbox);
    chooseRowMenu(list, 0, path);
    Sleep(700);  // the paste's waits
  }
  callUpFromTray(quillbox);
  chooseRowMenu(list, 0, {L"部分選択..."});
  closeDialog(process, L"部分選択", IDCANCEL);
  callUpFromTray(quillbox);
  chooseRowMenu(list, 0, {L"内容確認..."});
  closeDialog(process, L"内容確認", IDCANCEL);
  chooseRowMenu(list, 0, {L"変更..."});
  HWND change = waitForDialog(process, L"Quillbox＜変更＞");
  setFieldText(change, dialog_ids::kChangeLabel, L"一");
  pressDialogButton(change, IDOK);
  waitForDialogGone(change);
  chooseRowMenu(list, 0, {L"値の新規作成..."});
  closeDialog(process, L"Quillbox＜変更＞", IDOK);
  waitForLabels(main, {L"", L"一"});
  chooseRowMenu(list, 1, {L"指定のグループに複写", L"保存グループ2"});
  waitForSaveItem(dataHome, 1, 1, toShiftJis(L"一:::0:::0:::保存の値"));
  chooseRowMenu(list, 1, {L"指定のグループに移動", L"保存グループ2"});
  waitForLabels(main, {L""});
  chooseRowMenu(list, 0, {L"削除        　　　　Delete"});
  answerBox(process, L"削除します。\nよろしいですか。", IDYES);
  waitForLabels(main, {});
  // The bar's "変更..." and "削除" on a row of group 2.
  chooseComboItem(groups, 1);
  waitForLabels(main, {L"一", L"一"});
  chooseRowMenu(list, 0, {L"内容確認..."});  // selects the row
  closeDialog(process, L"内容確認", IDCANCEL);
  pressBarButton(main, L"変更...");
  closeDialog(process, L"Quillbox＜変更＞", IDOK);
  pressBarButton(main, L"削除");
  answerBox(process, L"削除します。\nよろしいですか。", IDYES);
  waitForLabels(main, {L"一"});

  const auto historyAfter = folderBytes(quillbox.historyFolder());
  expect(historyAfter == historyBefore, "the Save tab's commands changed files of clipsave");
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
