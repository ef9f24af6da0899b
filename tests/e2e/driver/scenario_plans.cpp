// Plans inside the program: the plan library's stack commands by WM_COPYDATA, the capture plan
// that converts, stores and pastes, the run-time windows answered as a user would, and the end
// of the program while a plan waits in a window.
#include <windows.h>

#include <utility>
#include <vector>

#include "app/win32/window_identity.h"
#include "planlib/win32/plan_dialog_ids.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/target_window.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

using Settings = std::vector<std::pair<std::string, std::wstring>>;
constexpr int kValueColumn = 1;

std::wstring stackFile(const std::wstring& dataHome, int group, int number) {
  wchar_t name[64];
  swprintf(name, 64, L"Stack\\StackDir%02d\\STAK%03d.cln", group, number);
  return dataHome + name;
}

int stackFileCount(const std::wstring& dataHome, int group) {
  wchar_t pattern[64];
  swprintf(pattern, 64, L"Stack\\StackDir%02d\\*.cln", group);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dataHome + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    ++count;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

// A data home whose settings file holds these keys, and a plan item in "PlanDir01".
std::wstring dataHomeWithPlan(const ScenarioContext& context, const std::wstring& name,
                              const Settings& settings, const std::wstring& planName,
                              const std::wstring& planText) {
  const std::wstring dataHome = freshDataHome(context, name) + L"\\";
  for (const std::wstring& folder : {dataHome, dataHome + L"Plan", dataHome + L"Plan\\PlanDir01"}) {
    expect(CreateDirectoryW(folder.c_str(), nullptr) != FALSE, "cannot create " + toUtf8(folder));
  }
  std::string lines;
  for (const auto& [key, value] : settings) lines += "\"" + key + "\",\"" + toShiftJis(value) + "\",\"x\"\r\n";
  expect(writeFileBytes(dataHome + L"quillbox2.dat", lines), "cannot write the settings file");
  std::string record = toShiftJis(planName + L":::V1.20:::0000000000:::0:::0:::" + planText);
  for (char& byte : record) byte = static_cast<char>(static_cast<unsigned char>(byte) + 1);
  expect(writeFileBytes(dataHome + L"Plan\\PlanDir01\\PLAN001.cln", record), "cannot write the plan");
  return dataHome;
}

Settings capturePlanSettings(const std::wstring& stackHistory) {
  return {{"RirekiGetPlanFlg=", L"1"}, {"RirekiGetPlanName=", L"PLAN001.cln"},
          {"StackHistNotFlg=", stackHistory}};
}

std::wstring element(const std::wstring& name, const std::wstring& value) {
  return L"<@@" + name + L">" + value + L"<@@/" + name + L">";
}
std::wstring block(const std::wstring& tag, const Settings& elements) {
  std::wstring inner;
  for (const auto& [name, value] : elements) inner += element(std::wstring(name.begin(), name.end()), value);
  return element(tag, inner);
}
std::wstring outStack(int group, const std::wstring& data) {
  return block(L"OUT_STACK", {{"KIND_IN", data.empty() ? L"1" : L"2"}, {"STACK_GROUP", std::to_wstring(group)},
                              {"MAX64K", L"0"}, {"DATAIN", data}});
}

void sendCommand(const QuillboxUnderTest& quillbox, const std::wstring& command) {
  std::string text = toShiftJis(command);
  COPYDATASTRUCT data{0, static_cast<DWORD>(text.size() + 1), text.data()};
  DWORD_PTR answer = 0;
  expect(SendMessageTimeoutW(quillbox.mainWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_NORMAL, 10000, &answer) != 0 && answer == TRUE,
         "the main window did not take " + quoted(command));
}

// A child control of the main window by its class and text (a tab button, the group chooser).
HWND childOf(HWND parent, const std::wstring& className, const std::wstring* text) {
  for (HWND child : childWindows(parent)) {
    if (_wcsicmp(windowClassName(child).c_str(), className.c_str()) != 0) continue;
    // The control's own visibility: the main window itself may be hidden.
    const bool shown = (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
    if (text == nullptr ? shown : controlText(child) == *text) return child;
  }
  return nullptr;
}

void click(HWND parent, HWND control) {
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

void showStackGroup(const QuillboxUnderTest& quillbox, int group) {
  const HWND main = quillbox.mainWindow();
  const std::wstring caption = L"スタック";
  const HWND button = childOf(main, L"Button", &caption);
  expect(button != nullptr, "the main window has no \"スタック\" tab button");
  click(main, button);
  HWND chooser = nullptr;
  waitFor("the Stack tab's group chooser", kStandardLimitMs,
          [&] { return (chooser = childOf(main, L"ComboBox", nullptr)) != nullptr; });
  SendMessageW(chooser, CB_SETCURSEL, group, 0);
  SendMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(chooser), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(chooser));
}

std::vector<std::wstring> listValues(const QuillboxUnderTest& quillbox) {
  return listColumn(findListView(quillbox.mainWindow()), kValueColumn);
}

HWND waitForWindow(const QuillboxUnderTest& quillbox, const std::wstring& caption) {
  HWND window = nullptr;
  waitFor("the window " + quoted(caption), kStandardLimitMs,
          [&] { return (window = findMessageBox(quillbox.process().id(), caption)) != nullptr; },
          [&] { return describeWindowsOf(quillbox.process().id()); });
  return window;
}

// The plan's hidden window "Quillbox [プラン実行]" exists from the start to the end of a run.
bool planRunning(const QuillboxUnderTest& quillbox) {
  const std::wstring title = L"Quillbox [プラン実行]";
  return findWindowOf(quillbox.process().id(), Visibility::kVisibleOrHidden, L"#32770", &title) != nullptr;
}

void waitForPlanEnd(const QuillboxUnderTest& quillbox) {
  waitFor("the plan run to end", kStandardLimitMs, [&] { return !planRunning(quillbox); });
}

std::string fileText(const std::wstring& path) { return readFileBytes(path).value_or("<missing>"); }

// The stack record with any sequence number (several items may be stored within one second).
bool isStackRecord(const std::string& record, const std::string& labelAndValue) {
  return record.size() == 17 + labelAndValue.size() && record.starts_with("00000000:::") &&
         record.compare(14, 3, ":::") == 0 && record.compare(17, std::string::npos, labelAndValue) == 0;
}

void expectStackRecord(const std::wstring& path, const std::wstring& label, const std::wstring& value) {
  const std::string expected = toShiftJis(label + L":::0:::0:::" + value);
  waitFor(toUtf8(path) + " to hold the stack record " + quotedShiftJis(expected), kStandardLimitMs,
          [&] { return isStackRecord(fileText(path), expected); },
          [&] { return "holds " + quotedShiftJis(fileText(path)); });
}

}  // namespace

// (a) Stack output and clear commands sent as the plan library sends them.
void runPlanStackCommandsScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring dataHome = freshDataHome(context, L"plan-stack") + L"\\";
  QuillboxUnderTest quillbox(context.program, dataHome);
  showStackGroup(quillbox, 0);
  expect(listValues(quillbox).empty(), "stack group 00 of a fresh data home shows rows");

  sendCommand(quillbox, L"0927Plan_OutStack:::03:::名前:::本文:::続き");
  expectStackRecord(stackFile(dataHome, 3, 1), L"名前", L"本文:::続き");
  expect(listValues(quillbox).empty(), "the output into group 03 changed the list of group 00");

  showStackGroup(quillbox, 3);
  waitFor("group 03 to show the output", kStandardLimitMs,
          [&] { return listValues(quillbox) == std::vector<std::wstring>{L"本文:::続き"}; });
  sendCommand(quillbox, L"0927Plan_ClrStack:::03");
  expect(listValues(quillbox).empty(), "the clear command left rows in the list");
  expect(stackFileCount(dataHome, 3) == 0, "the clear command left item files in StackDir03");
  quillbox.closeAndWaitForEnd();
}

// (b) The capture plan converts the copied text, writes it to stack group 01 and pastes it; the
// plan's own clipboard text goes to group 00, not into the History.
void runCapturePlanScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring plan =
      element(L"PLAN_NAME", L"カナ変換") + element(L"PLAN_GVL", L"V1.20") +
      block(L"CHANGE_PATTERN", {{"KIND_PATTERN", L"13"}}) + outStack(1, L"") +
      block(L"ACTWIN_PASTE", {{"KIND_IN", L"1"}, {"DATAIN", L""}});
  const std::wstring dataHome =
      dataHomeWithPlan(context, L"capture-plan", capturePlanSettings(L"0"), L"カナ変換", plan);
  TargetWindow editor;
  QuillboxUnderTest quillbox(context.program, dataHome);
  editor.activateFirstField();
  waitFor("the editor to be the working document", kStandardLimitMs, [&] {
    return statusPaneText(findStatusBar(quillbox.mainWindow()), 0) == L"作業中文書：貼り付け先の文書";
  });

  putClipboardText(L"ｱｲｳ");
  waitForHistoryItem(quillbox.historyFolder(), historyFileName(1), toShiftJis(L"ｱｲｳ"));
  expectStackRecord(stackFile(dataHome, 1, 1), L"カナ変換", L"アイウ");
  waitFor("the editor to receive the converted text", kStandardLimitMs,
          [&] { return editor.text(0) == L"アイウ"; },
          [&] { return "field: " + quoted(editor.text(0)); });
  waitForPlanEnd(quillbox);
  expectStackRecord(stackFile(dataHome, 0, 1), L"－", L"アイウ");
  const auto history = historyFileNames(quillbox.historyFolder());
  expect(history == std::vector<std::wstring>{historyFileName(1)},
         "the History holds more than the copied text:\n" + describeHistoryFolder(quillbox.historyFolder()));
  quillbox.closeAndWaitForEnd();
}

// (c) The run-time windows of a capture plan, answered as a user would; a cancelled display
// window leaves nothing in the stack.
void runPlanWindowsScenario(const ScenarioContext& context) {
  emptyClipboard();
  Settings select = {{"MIDASHI", L"色を選んでください"}, {"BTN_COUNT", L"2"}, {"BTN_NAME01", L"赤"}, {"BTN_NAME02", L"青"}};
  for (int button = 3; button <= 12; ++button) {
    char name[16];
    snprintf(name, sizeof name, "BTN_NAME%02d", button);
    select.push_back({name, L""});
  }
  const std::wstring plan =
      element(L"PLAN_NAME", L"画面") +
      block(L"DSP_STRING", {{"KIND_IN", L"1"}, {"MIDASHI", L"取得した文字列"}, {"DATAIN", L""},
                            {"KIND_VALID", L"1"}, {"CANCEL_DSP", L"1"}}) +
      block(L"DSP_SELECT", select) +
      block(L"PLAN_HENSU_SET", {{"KIND_IN", L"6"}, {"KIND_PLANHENSU", L"101"}, {"KIND_ADR", L"3"},
                                {"KIND_IMS", L"1"}, {"DATAIN", L""}, {"MIDASHI", L""}, {"IN_HISU", L"2"}}) +
      block(L"MSG_INFO", {{"KIND_INFO", L"2"}, {"DSP_TIME", L"15"}, {"MSG", L"<$作業用01>を格納します"},
                          {"TXCOLOR_R", L"0"}, {"TXCOLOR_G", L"0"}, {"TXCOLOR_B", L"0"},
                          {"BKCOLOR_R", L"255"}, {"BKCOLOR_G", L"255"}, {"BKCOLOR_B", L"200"}}) +
      outStack(2, L"<$選択画面結果>/<$作業用01>");
  const std::wstring dataHome =
      dataHomeWithPlan(context, L"plan-windows", capturePlanSettings(L"1"), L"画面", plan);
  QuillboxUnderTest quillbox(context.program, dataHome);
  const DWORD process = quillbox.process().id();

  putClipboardText(L"一回目");
  pressButton(readMessageBox(waitForWindow(quillbox, L"プラン実行［文字列表示］")), IDOK);
  const HWND selection = waitForWindow(quillbox, L"プラン実行［選択画面］");
  const std::wstring blue = L"青";
  HWND blueButton = nullptr;
  for (HWND control : childWindows(selection)) {
    if (controlText(control) == blue) blueButton = control;
  }
  expect(blueButton != nullptr, "the selection window has no button \"青\": " + describe(readMessageBox(selection)));
  PostMessageW(blueButton, BM_CLICK, 0, 0);
  const HWND input = waitForWindow(quillbox, L"プラン実行［プラン変数（作業用）設定］");
  const MessageBoxView inputView = readMessageBox(input);
  expect(inputView.text.find(L"<$作業用01> に設定する文字列を入力してください") != std::wstring::npos,
         "the input window reads " + describe(inputView));
  SendMessageW(GetDlgItem(input, plan_dialog_ids::kInputEdit), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"入力した値"));
  pressButton(inputView, IDOK);
  const std::wstring noticeTitle = L"プラン実行［メッセージ通知］";
  waitFor("the notice window", kStandardLimitMs, [&] {
    return findWindowOf(process, Visibility::kVisibleOnly, L"QuillboxPlanNotice", &noticeTitle) != nullptr;
  });
  expectStackRecord(stackFile(dataHome, 2, 1), L"画面", L"02/入力した値");
  waitForPlanEnd(quillbox);

  putClipboardText(L"二回目");
  pressButton(readMessageBox(waitForWindow(quillbox, L"プラン実行［文字列表示］")), IDCANCEL);
  const MessageBoxView question = readMessageBox(waitForWindow(quillbox, L"Quillbox"));
  expect(question.text == L"プランの実行をキャンセルします。　\nよろしいですか？", "the cancel question reads " + describe(question));
  pressButton(question, IDYES);
  waitForPlanEnd(quillbox);
  expect(stackFileCount(dataHome, 2) == 1, "the cancelled plan wrote into the stack");
  quillbox.closeAndWaitForEnd();
}

// (d) Closing the program while a plan waits in a display window: the question, then the end
// within 5 seconds.
void runPlanShutdownScenario(const ScenarioContext& context) {
  emptyClipboard();
  const std::wstring plan =
      element(L"PLAN_NAME", L"待機") +
      block(L"DSP_STRING", {{"KIND_IN", L"1"}, {"MIDASHI", L"待っています"}, {"DATAIN", L""},
                            {"KIND_VALID", L"1"}, {"CANCEL_DSP", L"0"}}) +
      outStack(4, L"");
  const std::wstring dataHome =
      dataHomeWithPlan(context, L"plan-shutdown", capturePlanSettings(L"1"), L"待機", plan);
  QuillboxUnderTest quillbox(context.program, dataHome);
  putClipboardText(L"待たせる");
  waitForWindow(quillbox, L"プラン実行［文字列表示］");

  PostMessageW(quillbox.mainWindow(), WM_CLOSE, 0, 0);
  const MessageBoxView question = readMessageBox(waitForWindow(quillbox, L"Quillbox"));
  expect(question.text == L"プラン編集、または実行中です。「OK」で強制終了します。　",
         "the shutdown question reads " + describe(question));
  const ULONGLONG answered = GetTickCount64();
  pressButton(question, IDOK);
  expect(pollUntil(5000, [&] { return !quillbox.process().isRunning(); }),
         "the program still runs 5 s after the shutdown question was answered");
  noteStep("ended " + std::to_string(GetTickCount64() - answered) + " ms after the answer");
  quillbox.waitForOrdinaryEnd("closing while a plan waited");
  expect(stackFileCount(dataHome, 4) == 0, "the stopped plan wrote into the stack");
}

}  // namespace qb::e2e
