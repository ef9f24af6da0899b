// The Save tab end to end: a History row saved with a label; a date macro and an input macro
// inserted in the change dialog and pasted; a move to another group, ← and →, and rows dragged
// into an order that stays over a restart. Pictures of the tab and of the change dialog are kept.
#include <windows.h>

#include <cstdio>
#include <map>

#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/save_dialog_ids.h"
#include "app/win32/window_identity.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/keyboard.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/save_tab_steps.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/screen_capture.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

namespace ids = dialog_ids;

const std::wstring kValue = L"いつもお世話になっております。";
const std::wstring kLabel = L"挨拶";
const std::string kDateMacro = "<@@SYSDATE><@YY2/>/<@MM10/>/<@DD10/>(<@YOBI1/>)<@@/SYSDATE>";
const std::string kInputMacro = "<@@ACTIONIN><@IN01/><@@/ACTIONIN>";
const std::wstring kTyped = L"山田";

// Today as the date macro shows it: "2026/12/08(火)".
std::wstring todayShown() {
  static const wchar_t* const kDays[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t text[32];
  swprintf(text, 32, L"%04d/%02d/%02d(%ls)", now.wYear, now.wMonth, now.wDay,
           kDays[now.wDayOfWeek]);
  return text;
}

// (b) "埋め込みマクロの挿入..." from the value's popup menu, then a kind and a format.
void insertMacro(const QuillboxUnderTest& quillbox, HWND change, int kind,
                 const std::wstring& format) {
  HWND value = GetDlgItem(change, ids::kChangeValue);
  const LRESULT end = SendMessageW(value, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(value, EM_SETSEL, static_cast<WPARAM>(end), end);
  PostMessageW(change, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(value), -1);
  chooseFromPopupMenu(quillbox.process().id(), quillbox.windowThreadId(),
                      {L"埋め込みマクロの挿入..."});
  HWND insertion = waitForDialog(quillbox.process().id(), L"埋め込みマクロ設定");
  HWND kinds = GetDlgItem(insertion, ids::kMacroKind);
  SendMessageW(kinds, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
  SendMessageW(insertion, WM_COMMAND, MAKEWPARAM(ids::kMacroKind, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(kinds));
  HWND formats = GetDlgItem(insertion, ids::kMacroFormats);
  const LRESULT index =
      SendMessageW(formats, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(format.c_str()));
  expect(index >= 0, "the insertion dialog offers no format " + quoted(format));
  SendMessageW(formats, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(insertion, WM_COMMAND, MAKEWPARAM(ids::kMacroFormats, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(formats));
  pressDialogButton(insertion, IDOK);
  waitForDialogGone(insertion);
  noteStep("inserted the macro " + quoted(format));
}

// A picture of the screen once `window` is painted through.
void saveShot(const ScenarioContext& context, HWND window, const std::wstring& name) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  const std::wstring shot = context.scratch + L"\\..\\screenshots\\" + name + L".bmp";
  expect(saveScreenBitmap(shot), "cannot save the screenshot " + toUtf8(shot));
  noteStep("screenshot " + toUtf8(shot));
}

}  // namespace

void runSaveTabScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"save-tab") + L"\\";
  TargetWindow editor;
  std::vector<std::wstring> orderAtExit;
  {
    QuillboxUnderTest quillbox(context.program, dataHome);
    const DWORD process = quillbox.process().id();

    // (a) "保存..." on the History row with the label "挨拶": the top of group 1.
    copyInEditor(quillbox, editor, kValue);
    HWND list = callUpFromTray(quillbox);
    waitFor("the History row", kStandardLimitMs,
            [&] { return !listColumn(list, 1).empty() && listColumn(list, 1)[0] == kValue; });
    chooseRowMenu(list, 0, {L"保存..."});
    HWND save = waitForDialog(process, L"Quillbox＜保存＞");
    setFieldText(save, ids::kSaveLabel, kLabel);
    pressDialogButton(save, IDOK);
    waitForDialogGone(save);
    const std::string record = toShiftJis(kLabel) + ":::0:::0:::" + toShiftJis(kValue);
    waitForSaveItem(dataHome, 0, 1, record);
    chooseTab(quillbox.mainWindow(), L"保存");
    waitForLabels(quillbox.mainWindow(), {kLabel});

    // (b) a date macro and an input macro inserted in "Quillbox＜変更＞", then pasted.
    chooseRowMenu(list, 0, {L"変更..."});
    HWND change = waitForDialog(process, L"Quillbox＜変更＞");
    insertMacro(quillbox, change, 0, todayShown());
    insertMacro(quillbox, change, 1, L"入力1");
    saveShot(context, change, L"save-tab-change-dialog");
    pressDialogButton(change, IDOK);
    waitForDialogGone(change);
    waitForSaveItem(dataHome, 0, 1, record + kDateMacro + kInputMacro);

    editor.clear();
    focusEditor(quillbox, editor);
    callUpFromTray(quillbox);
    clickRow(list, 0);
    HWND inputs = waitForDialog(process, L"貼付時入力");
    setFieldText(inputs, ids::kInputField, kTyped);
    pressDialogButton(inputs, IDOK);
    const std::wstring pasted = kValue + todayShown() + kTyped;
    waitFor("the editor to receive " + quoted(pasted), kStandardLimitMs,
            [&] { return editor.text(0) == pasted; },
            [&] { return "field: " + quoted(editor.text(0)); });

    // (c) moved to group 3: gone from group 1, the top of group 3.
    callUpFromTray(quillbox);
    chooseRowMenu(list, 0, {L"指定のグループに移動", L"保存グループ3"});
    waitForSaveItem(dataHome, 2, 1, record + kDateMacro + kInputMacro);
    waitForSaveItem(dataHome, 0, 1, std::nullopt);
    waitForLabels(quillbox.mainWindow(), {});
    // → shows the next group.
    HWND groups = barComboBox(quillbox.mainWindow());
    pressKey(VK_RIGHT);
    waitFor("→ to show group 2", kStandardLimitMs, [&] { return comboSelection(groups) == 1; });
    chooseComboItem(groups, 2);
    waitForLabels(quillbox.mainWindow(), {kLabel});
    // A second item, then the two rows dragged into the other order.
    pressBarButton(quillbox.mainWindow(), L"新規...");
    HWND fresh = waitForDialog(process, L"Quillbox＜変更＞");
    setFieldText(fresh, ids::kChangeLabel, L"二番目");
    pressDialogButton(fresh, IDOK);
    waitForDialogGone(fresh);
    waitForLabels(quillbox.mainWindow(), {L"二番目", kLabel});
    dragRow(list, 0, 1);
    waitForLabels(quillbox.mainWindow(), {kLabel, L"二番目"});
    saveShot(context, quillbox.mainWindow(), L"save-tab-rows");
    orderAtExit = listColumn(list, 0);
    quillbox.closeAndWaitForEnd();
  }
  QuillboxUnderTest again(context.program, dataHome);
  callUpFromTray(again);
  chooseTab(again.mainWindow(), L"保存");
  expect(comboSelection(barComboBox(again.mainWindow())) == 2, "the group shown was not kept");
  waitForLabels(again.mainWindow(), orderAtExit);
  again.closeAndWaitForEnd();
}

}  // namespace qb::e2e
