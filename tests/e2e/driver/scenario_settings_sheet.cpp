// The settings sheet: "環境設定..." from the tray menu opens "Quillbox＜環境設定＞" with its thirteen
// pages in order (a picture of each is kept); a save group named "顧客,対応" is kept as "顧客対応"
// after the notice and the Save tab shows the new name at once; the second multi hotkey set to
// Ctrl+Alt+Q in the key page's dialog calls the window up as soon as the sheet is closed; a user port of 1023 keeps the sheet open with its message and 27100 is taken;
// a paste wait of 300 ms is in force at once; the values are in quillbox2.dat after the end.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/call_up_support.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/screen_capture.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const std::wstring kSheetCaption = L"Quillbox＜環境設定＞";
const wchar_t* const kPageTitles[] = {L"共通設定", L"表示設定", L"キー設定", L"埋込ﾏｸﾛ設定",
                                      L"履歴設定", L"保存設定", L"関連ﾌｧｲﾙ設定", L"公開設定",
                                      L"共有設定", L"プラン設定", L"スタック設定", L"補助",
                                      L"トラブル対応"};
constexpr int kKeyPage = 2, kSavePage = 5, kPublishPage = 7, kTroublePage = 12;
// The field of a page's n-th control (the sheet lays out its controls from 1000, four ids each).
constexpr int FieldId(int control) { return 1000 + 4 * control + 1; }
constexpr int kSaveGroup2Name = FieldId(2);      // after "削除の前に確認する" and group 1's name
constexpr int kPublishPortChoice = FieldId(3);   // 既定 / 指定のポート番号
constexpr int kPublishUserPort = FieldId(4);
constexpr int kPasteWait = FieldId(1);

HWND openSheet(const QuillboxUnderTest& quillbox) {
  PopupMenuReader reader(quillbox.windowThreadId());
  sendTrayCallback(quillbox.mainWindow(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
  chooseMenuItem(reader, waitForPopupMenu(quillbox.process().id()), L"環境設定...");
  HWND sheet = nullptr;
  waitFor("the settings sheet", kStandardLimitMs, [&] {
    sheet = findMessageBox(quillbox.process().id(), kSheetCaption);
    return sheet != nullptr;
  });
  return sheet;
}

HWND showPage(HWND sheet, int index) {
  SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::wstring windowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

void setField(HWND page, int id, const std::wstring& text) {
  HWND field = GetDlgItem(page, id);
  expect(field != nullptr, "the page has no control " + std::to_string(id));
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Answers the box with this text by OK.
void answerNotice(const QuillboxUnderTest& quillbox, const std::wstring& text) {
  HWND box = nullptr;
  waitFor("the box " + quoted(text), kStandardLimitMs, [&] {
    box = findMessageBox(quillbox.process().id(), L"Quillbox");
    return box != nullptr;
  });
  const MessageBoxView view = readMessageBox(box);
  expect(view.text == text, "the box reads " + describe(view));
  pressButton(view, IDOK);
  waitFor("the box to close", kStandardLimitMs, [&] { return !IsWindow(box); });
}

void pressOk(HWND sheet) { PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); }

// The multi hotkey dialog's row controls: 3000 + 10 row + field.
constexpr int MultiHotkeyControl(int row, int field) { return 3000 + 10 * row + field; }
constexpr int kRowEnabled = 0, kRowCombination = 1, kRowKey = 2;
constexpr int kCtrlAlt = 1;                  // the second combination
constexpr int kKeyQ = 10 + ('Q' - 'A');      // the keys are the ten digits, then the letters

void chooseComboItemOf(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  expect(combo != nullptr, "the dialog has no control " + std::to_string(id));
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

// (c) "キー設定" → "マルチホットキーの設定...": the second multi hotkey becomes Ctrl+Alt+Q.
void setMultiHotkeyCtrlAltQ(const QuillboxUnderTest& quillbox, HWND sheet) {
  HWND keys = showPage(sheet, kKeyPage);
  HWND button = findVisibleChild(keys, L"Button", L"マルチホットキーの設定...");
  expect(button != nullptr, "the key page has no \"マルチホットキーの設定...\"");
  PostMessageW(button, BM_CLICK, 0, 0);
  HWND dialog = waitForDialog(quillbox.process().id(), L"マルチホットキーの設定");
  const int row = 1;
  if (IsDlgButtonChecked(dialog, MultiHotkeyControl(row, kRowEnabled)) != BST_CHECKED) {
    SendMessageW(GetDlgItem(dialog, MultiHotkeyControl(row, kRowEnabled)), BM_CLICK, 0, 0);
  }
  chooseComboItemOf(dialog, MultiHotkeyControl(row, kRowCombination), kCtrlAlt);
  chooseComboItemOf(dialog, MultiHotkeyControl(row, kRowKey), kKeyQ);
  pressDialogButton(dialog, IDOK);
  waitForDialogGone(dialog);
}

// The time from the click on the top row to the text in the editor.
long long timedPaste(const QuillboxUnderTest& quillbox, const TargetWindow& editor,
                     const std::wstring& text) {
  editor.clear();
  focusEditor(quillbox, editor);
  const HWND list = callUpFromTray(quillbox);
  const ULONGLONG clicked = GetTickCount64();
  clickRow(list, 0);
  waitFor("the editor to receive " + quoted(text), kStandardLimitMs,
          [&] { return editor.text(0) == text; });
  return static_cast<long long>(GetTickCount64() - clicked);
}

}  // namespace

void runSettingsSheetScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"settings-sheet") + L"\\";
  TargetWindow editor;
  {
    QuillboxUnderTest quillbox(context.program, dataHome);
    // (a) the pages in order, each kept as a picture.
    HWND sheet = openSheet(quillbox);
    for (int index = 0; index < 13; ++index) {
      HWND page = showPage(sheet, index);
      expect(page != nullptr && windowText(page) == kPageTitles[index],
             "page " + std::to_string(index + 1) + " is " + quoted(windowText(page)));
      RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      const std::wstring shot = context.scratch + L"\\..\\screenshots\\settings-page-" +
                                std::to_wstring(index + 1) + L".bmp";
      expect(saveScreenBitmap(shot), "cannot save " + toUtf8(shot));
    }
    setMultiHotkeyCtrlAltQ(quillbox, sheet);
    // (b) a group name with a comma, (d) a user port out of range, (e) the paste wait.
    setField(showPage(sheet, kSavePage), kSaveGroup2Name, L"顧客,対応");
    HWND publish = showPage(sheet, kPublishPage);
    SendDlgItemMessageW(publish, kPublishPortChoice, CB_SETCURSEL, 1, 0);
    setField(publish, kPublishUserPort, L"1023");
    setField(showPage(sheet, kTroublePage), kPasteWait, L"300");
    pressOk(sheet);
    answerNotice(quillbox, L"保存場所の名称に ','(カンマ)は使用できません。\nカンマは除去されます。");
    answerNotice(quillbox, L"ポート番号は1024～65535の範囲で指定してください");
    waitFor("the sheet to stay open on 公開設定", kStandardLimitMs, [&] {
      HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      return IsWindow(sheet) && windowText(page) == L"公開設定";
    });
    setField(showPage(sheet, kPublishPage), kPublishUserPort, L"27100");
    pressOk(sheet);
    waitFor("the sheet to close", kStandardLimitMs, [&] { return !IsWindow(sheet); });

    // (c) Ctrl+Alt+Q calls the window up without a restart.
    expect(!IsWindowVisible(quillbox.mainWindow()), "the window is shown after the sheet closed");
    focusEditor(quillbox, editor);
    pressChord({VK_CONTROL, VK_MENU}, 'Q');
    waitFor("Ctrl+Alt+Q to call the window up", kStandardLimitMs,
            [&] { return IsWindowVisible(quillbox.mainWindow()) != FALSE; });

    // (b) the Save tab names group 2 by its new name at once.
    callUpFromTray(quillbox);
    chooseTab(quillbox.mainWindow(), L"保存");
    const HWND groups = barComboBox(quillbox.mainWindow());
    expect(comboItemText(groups, 1) == L"顧客対応",
           "the Save tab's group 2 is named " + quoted(comboItemText(groups, 1)));
    chooseTab(quillbox.mainWindow(), L"履歴");

    // (e) the next paste waits the 300 ms before the paste chord.
    const std::wstring folder = quillbox.historyFolder();
    const auto before = historyFileNames(folder);
    putClipboardText(L"待ち時間");
    waitForNewHistoryItem(folder, before, toShiftJis(L"待ち時間"));
    const long long took = timedPaste(quillbox, editor, L"待ち時間");
    noteStep("paste took " + std::to_string(took) + " ms");
    expect(took >= 300, "the paste came after " + std::to_string(took) + " ms, before the 300 ms wait");
    quillbox.closeAndWaitForEnd();
  }
  const std::optional<std::string> saved = readFileBytes(dataHome + L"quillbox2.dat");
  expect(saved.has_value(), "quillbox2.dat was not written");
  for (const std::wstring& line : {std::wstring(L"\"CLIPDIR_AR1=\",\"顧客対応\""),
                                   std::wstring(L"\"Lan_UserPort=\",\"27100\""),
                                   std::wstring(L"\"Lan_Port_Flg=\",\"0\""),
                                   std::wstring(L"\"PasteWait=\",\"300\""),
                                   std::wstring(L"\"MultiHotKeyOn1=\",\"1\""),
                                   std::wstring(L"\"MultiHotKey3_1=\",\"81\"")}) {
    expect(saved->find(toShiftJis(line)) != std::string::npos,
           "quillbox2.dat lacks " + quoted(line));
  }
}

}  // namespace qb::e2e
