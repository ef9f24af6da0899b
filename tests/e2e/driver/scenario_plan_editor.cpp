// The plan editor as a user works it from the Plan tab:
//   (a) "新規作成..." in "プラン呼び出し専用", the line pattern, an INSERT block of "「" inside its
//       LINE, the name "行頭括弧", OK; the plan is listed and, called on a two-line History row,
//       pastes both lines with "「" in front;
//   (b) the same plan through "変更...": its block deleted, then
//   (c) OK asks the question about the LINE left without blocks, "いいえ" keeps the editor open,
//       and Cancel leaves the plan's file byte for byte as it was;
//   (d) pictures of the editor and of the block dialog are kept;
//   (e) closing the program while the editor is open asks first, then ends.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "planlib/win32/editor/editor_dialog_ids.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/plan_files.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/screen_capture.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

using namespace editor_dialog_ids;

const std::wstring kEditorCaption = L"Quillbox＜プラン編集＞ [プラン編集]";
const std::wstring kPlanName = L"行頭括弧";
constexpr int kPlanCallGroup = 0;
constexpr int kStatusWorkingPane = 0;

int rowCount(HWND listBox) { return static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0)); }

std::wstring rowText(HWND listBox, int row) {
  const auto length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

int rowContaining(HWND listBox, const std::wstring& part) {
  for (int row = 0; row < rowCount(listBox); ++row) {
    if (rowText(listBox, row).find(part) != std::wstring::npos) return row;
  }
  return -1;
}

std::string rowsOf(HWND listBox) {
  std::string all;
  for (int row = 0; row < rowCount(listBox); ++row) all += quoted(rowText(listBox, row)) + " ";
  return all;
}

// Chooses a row of a choice dialog's list as a click would (the dialog hears the selection change).
void chooseListRow(HWND dialog, int id, int row) {
  HWND list = GetDlgItem(dialog, id);
  expect(list != nullptr && row >= 0 && row < rowCount(list),
         "the list " + std::to_string(id) + " has no row " + std::to_string(row));
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void chooseListRowContaining(HWND dialog, int id, const std::wstring& part) {
  const int row = rowContaining(GetDlgItem(dialog, id), part);
  expect(row >= 0, "no row of list " + std::to_string(id) + " holds " + quoted(part) + ": " +
                       rowsOf(GetDlgItem(dialog, id)));
  chooseListRow(dialog, id, row);
}

void keepScreenshot(const ScenarioContext& context, const std::wstring& name) {
  const std::wstring shot = context.scratch + L"\\..\\screenshots\\" + name;
  expect(saveScreenBitmap(shot), "cannot save the screenshot " + toUtf8(shot));
  noteStep("screenshot " + toUtf8(shot));
}

// Right-clicks a row of the editor's block list and chooses `item` in the row menu.
void chooseBlockRowMenu(HWND editor, int row, const std::wstring& item) {
  HWND list = GetDlgItem(editor, kBlockList);
  SetForegroundWindow(editor);
  RECT area{};
  GetClientRect(list, &area);
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  POINT where{40, (row - top) * height + height / 2};
  expect(where.y > 0 && where.y < area.bottom, "block row " + std::to_string(row) + " is not in view");
  ClientToScreen(list, &where);
  movePointer(where);
  waitFor("the block list under the pointer", kStandardLimitMs, [&] {
    SetForegroundWindow(editor);
    return WindowFromPoint(where) == list;
  });
  pause(GetDoubleClickTime() + 100);
  mouseButton(MouseButton::kRight, true);
  pause(50);
  mouseButton(MouseButton::kRight, false);
  noteStep("right-clicked block row " + std::to_string(row));
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(editor, &processId);
  chooseFromPopupMenu(processId, threadId, {item});
}

// The plan thread is free again once the hidden window of the edit or run is gone (under Wine the
// end of a shown window takes about 2 s): the status bar says so, and the bar is enabled again.
void waitUntilPlansIdle(const QuillboxUnderTest& quillbox) {
  const HWND status = findStatusBar(quillbox.mainWindow());
  waitFor("the status bar to stop showing a plan at work", kStandardLimitMs,
          [&] { return !statusPaneText(status, kStatusWorkingPane).starts_with(L"《《 プラン"); },
          [&] { return "pane: " + quoted(statusPaneText(status, kStatusWorkingPane)); });
}

HWND openEditorFromTheBar(const QuillboxUnderTest& quillbox) {
  waitUntilPlansIdle(quillbox);
  pressBarButton(quillbox.mainWindow(), L"新規...");
  return waitForDialog(quillbox.process().id(), kEditorCaption);
}

HWND openEditorFromTheRowMenu(const QuillboxUnderTest& quillbox, HWND list) {
  waitUntilPlansIdle(quillbox);
  chooseRowMenu(list, 0, {L"新規作成..."});
  return waitForDialog(quillbox.process().id(), kEditorCaption);
}

void expectEditingShown(const QuillboxUnderTest& quillbox) {
  const HWND status = findStatusBar(quillbox.mainWindow());
  waitFor("the status bar to show the editing", kStandardLimitMs,
          [&] { return statusPaneText(status, kStatusWorkingPane) == L"《《 プラン編集中 》》"; },
          [&] { return "pane: " + quoted(statusPaneText(status, kStatusWorkingPane)); });
}

// (a) The line pattern with an INSERT block inside its LINE, stored as "行頭括弧".
void buildThePlan(const ScenarioContext& context, const QuillboxUnderTest& quillbox, HWND list) {
  const DWORD process = quillbox.process().id();
  const HWND editor = openEditorFromTheRowMenu(quillbox, list);
  expectEditingShown(quillbox);
  pressDialogButton(editor, kPatterns);
  const HWND patterns = waitForDialog(process, L"基本パターン選択");
  chooseListRowContaining(patterns, kChoiceList, L"プラン呼び出し専用（行単位）");
  pressDialogButton(patterns, IDOK);
  waitForDialogGone(patterns);

  const HWND blocks = GetDlgItem(editor, kBlockList);
  int line = -1;
  waitFor("the pattern's LINE in the block list", kStandardLimitMs,
          [&] { return (line = rowContaining(blocks, L"【行単位】")) >= 0; }, [&] { return rowsOf(blocks); });
  const int rowsBefore = rowCount(blocks);
  chooseBlockRowMenu(editor, line, L"下に操作ブロックを追加");
  const HWND depth = waitForDialog(process, L"階層指定");
  chooseListRow(depth, kChoiceList, rowCount(GetDlgItem(depth, kChoiceList)) - 1);  // below the LINE
  pressDialogButton(depth, IDOK);
  const HWND kinds = waitForDialog(process, L"操作ブロック選択");
  chooseListRowContaining(kinds, kBlockCategories, L"挿入");
  chooseListRowContaining(kinds, kChoiceList, L"単純挿入");
  pressDialogButton(kinds, IDOK);
  const HWND settings = waitForDialog(process, L"操作ブロック [単純挿入]");
  setFieldText(settings, FieldControl(3), L"「");
  keepScreenshot(context, L"plan-editor-block-dialog.bmp");
  pressDialogButton(settings, IDOK);
  waitForDialogGone(settings);
  waitFor("the INSERT block below the LINE", kStandardLimitMs,
          [&] { return rowCount(blocks) == rowsBefore + 1 && rowContaining(blocks, L"「") == line + 1; },
          [&] { return rowsOf(blocks); });
  const std::wstring lineRow = rowText(blocks, line);
  expect(rowText(blocks, line + 1).starts_with(lineRow.substr(0, lineRow.find(L"【")) + L"　　"),
         "the INSERT block is not indented below the LINE: " + rowsOf(blocks));

  setFieldText(editor, kName, kPlanName);
  keepScreenshot(context, L"plan-editor.bmp");
  pressDialogButton(editor, IDOK);
  waitForDialogGone(editor);
}

int planRow(HWND list) {
  const std::vector<std::wstring> names = listColumn(list, 0);
  const auto found = std::find(names.begin(), names.end(), kPlanName);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

void callThePlanOnTwoLines(const QuillboxUnderTest& quillbox, const TargetWindow& target) {
  copyInEditor(quillbox, target, L"一行目\r\n二行目");
  target.clear();
  focusEditor(quillbox, target);
  const HWND list = callUpFromTray(quillbox);
  chooseTab(quillbox.mainWindow(), L"履歴");
  waitFor("the History to show the two lines on top", kStandardLimitMs, [&] {
    const std::vector<std::wstring> values = listColumn(list, 1);
    return !values.empty() && values[0].starts_with(L"一行目") && values[0].ends_with(L"二行目");
  });
  chooseRowMenu(list, 0, {L"特殊貼り付け", L"プラン呼び出し", kPlanName});
  const std::wstring expected = L"「一行目\r\n「二行目";
  waitFor("the plan to paste " + quoted(expected), kStandardLimitMs,
          [&] { return target.text(0) == expected; }, [&] { return "editor: " + quoted(target.text(0)); });
}

// (b), (c) A change whose block is deleted: the question, "いいえ", then Cancel.
void changeAndCancel(const ScenarioContext& context, const QuillboxUnderTest& quillbox,
                     const std::wstring& planFile) {
  const DWORD process = quillbox.process().id();
  const std::optional<std::string> before = readFileBytes(planFile);
  expect(before.has_value(), "cannot read " + toUtf8(planFile));
  const HWND list = callUpFromTray(quillbox);
  chooseTab(quillbox.mainWindow(), L"プラン");
  waitUntilPlansIdle(quillbox);
  int row = -1;
  waitFor("the Plan tab to list the plan", kStandardLimitMs, [&] { return (row = planRow(list)) >= 0; });
  keepScreenshot(context, L"plan-editor-plan-tab.bmp");
  chooseRowMenu(list, row, {L"変更..."});
  const HWND editor = waitForDialog(process, kEditorCaption);
  const HWND blocks = GetDlgItem(editor, kBlockList);
  int insert = -1;
  waitFor("the plan's blocks in the editor", kStandardLimitMs,
          [&] { return (insert = rowContaining(blocks, L"「")) >= 0; }, [&] { return rowsOf(blocks); });
  const int rowsBefore = rowCount(blocks);
  chooseBlockRowMenu(editor, insert, L"削除");
  answerBox(process,
            L"操作ブロックを削除します。配下を持つ場合は全て削除されます。\n\nよろしいですか。\n\n", IDYES);
  waitFor("the block to leave the list", kStandardLimitMs, [&] { return rowCount(blocks) == rowsBefore - 1; },
          [&] { return rowsOf(blocks); });

  pressDialogButton(editor, IDOK);
  answerBox(process,
            L"【行単位】、【条件】、【切り出し】、【ループ】の操作ブロックが設定されていますが、配下に操作ブロック"
            L"が存在しません。\nこれらは配下に操作ブロックを持たないと意味をなしません。\n\n保存しますか？\n",
            IDNO);
  pause(300);
  expect(IsWindowVisible(editor) != FALSE, "\"いいえ\" to the save question closed the editor");

  pressDialogButton(editor, IDCANCEL);
  answerBox(process, L"プラン編集を取り消します。　\n\nよろしいですか？\n", IDYES);
  waitForDialogGone(editor);
  expect(readFileBytes(planFile) == before, "Cancel changed " + toUtf8(planFile));
}

// (e) The program closed while the editor is open.
void closeWhileEditing(const QuillboxUnderTest& quillbox) {
  callUpFromTray(quillbox);
  openEditorFromTheBar(quillbox);
  PostMessageW(quillbox.mainWindow(), WM_CLOSE, 0, 0);
  answerBox(quillbox.process().id(), L"プラン編集、または実行中です。「OK」で強制終了します。　", IDOK);
  // Under Wine without a window manager each shown window that goes (the editor, the plan's hidden
  // window, the tray icon's) waits about 2 s for it.
  const ULONGLONG answered = GetTickCount64();
  expect(pollUntil(kStandardLimitMs, [&] { return !quillbox.process().isRunning(); }),
         "the program still runs 15 s after the shutdown question was answered");
  noteStep("ended " + std::to_string(GetTickCount64() - answered) + " ms after the answer");
  quillbox.waitForOrdinaryEnd("closing while the plan editor was open");
}

}  // namespace

void runPlanEditorScenario(const ScenarioContext& context) {
  const std::wstring dataHome = freshDataHome(context, L"plan-editor") + L"\\";
  TargetWindow target(TargetWindow::FirstField::kLines);
  QuillboxUnderTest quillbox(context.program, dataHome);
  const HWND list = callUpFromTray(quillbox);
  chooseTab(quillbox.mainWindow(), L"プラン");
  chooseComboItem(barComboBox(quillbox.mainWindow()), kPlanCallGroup);
  expect(comboItemText(barComboBox(quillbox.mainWindow()), kPlanCallGroup) == L"プラン呼び出し専用",
         "the first plan group is not \"プラン呼び出し専用\"");

  buildThePlan(context, quillbox, list);
  waitFor("the Plan tab to list " + quoted(kPlanName), kStandardLimitMs, [&] { return planRow(list) >= 0; });
  waitUntilPlansIdle(quillbox);
  const std::wstring planFile = planFileNamed(dataHome, kPlanCallGroup, kPlanName);
  expect(!planFile.empty(), "no file of \"プラン呼び出し専用\" holds the plan");

  callThePlanOnTwoLines(quillbox, target);
  changeAndCancel(context, quillbox, planGroupFolder(dataHome, kPlanCallGroup) + L"\\" + planFile);
  closeWhileEditing(quillbox);
}

}  // namespace qb::e2e
