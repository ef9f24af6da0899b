// The routes by which a user runs the standard plans: "プラン呼び出し" on a History row pastes
// the converted value into the driver's editor; a plan hotkey (Ctrl+Alt+1 → "半角変換") and the
// plan popup menu (Ctrl + right click → "全角変換") convert the editor's selection in place; a
// plan with a hotkey deleted from the Plan tab asks the hotkey question, and its hotkey is
// registered no more. A picture of the plan popup menu is kept.
#include <windows.h>

#include "tests/e2e/driver/call_up_support.h"
#include "tests/e2e/driver/click_target.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/keyboard.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
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

// The hotkey Ctrl+Alt+1 runs the plan of PLAN026.cln in "ホットキー呼び出し専用": the 26th
// standard plan the first start stores there, "半角変換".
const std::wstring kHotkeyPlanFile = L"PLAN026.cln";
const std::wstring kHotkeyPlan = L"半角変換";

std::wstring dataHomeWithPlanHotkey(const ScenarioContext& context) {
  const std::wstring dataHome = freshDataHome(context, L"plan-routes") + L"\\";
  expect(CreateDirectoryW(dataHome.c_str(), nullptr) != FALSE, "cannot create the data home");
  const std::string lines =
      "\"PlanHotKeyIdx=\",\"1\",\"x\"\r\n\"PlanHotKey1_00=\",\"17\",\"x\"\r\n"
      "\"PlanHotKey2_00=\",\"18\",\"x\"\r\n\"PlanHotKey3_00=\",\"0\",\"x\"\r\n"
      "\"PlanHotKey4_00=\",\"49\",\"x\"\r\n\"PlanHotKeyGroup_00=\",\"2\",\"x\"\r\n"
      "\"PlanHotKeyFileName_00=\",\"" + toShiftJis(kHotkeyPlanFile) + "\",\"x\"\r\n";
  expect(writeFileBytes(dataHome + L"quillboxplan.dat", lines), "cannot write quillboxplan.dat");
  return dataHome;
}

// The editor's first field holds `text`, all of it selected, with the keyboard focus.
void selectInEditor(const TargetWindow& editor, const std::wstring& text) {
  editor.activateFirstField();
  SetWindowTextW(editor.field(0), text.c_str());
  SendMessageW(editor.field(0), EM_SETSEL, 0, -1);
}

void waitForEditor(const TargetWindow& editor, const std::wstring& text, const std::string& after) {
  waitFor("the editor to hold " + quoted(text) + " after " + after, kStandardLimitMs,
          [&] { return editor.text(0) == text; },
          [&] { return "editor: " + quoted(editor.text(0)); });
}

// Whether another program holds the hotkey Ctrl+Alt+1.
bool hotkeyTaken() {
  if (!RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, '1')) return true;
  UnregisterHotKey(nullptr, 0x7001);
  return false;
}

// (b) "プラン呼び出し" on the History row "ABC".
void callPlansOnAHistoryRow(const QuillboxUnderTest& quillbox, const TargetWindow& editor) {
  copyInEditor(quillbox, editor, L"ABC");
  for (const auto& [plan, result] : {std::pair<std::wstring, std::wstring>{L"括弧「」括り", L"「ABC」"},
                                     std::pair<std::wstring, std::wstring>{L"引用符付け", L"> ABC"}}) {
    editor.clear();
    focusEditor(quillbox, editor);
    const HWND list = callUpFromTray(quillbox);
    waitForRows(list, {L"ABC"}, "the History with the copied text");
    chooseRowMenu(list, 0, {L"特殊貼り付け", L"プラン呼び出し", plan});
    waitForEditor(editor, result, "\"プラン呼び出し\" → " + quoted(plan));
  }
}

// (c) The plan hotkey converts the selection in place.
void runThePlanHotkey(const QuillboxUnderTest& quillbox, const TargetWindow& editor) {
  selectInEditor(editor, L"ＡＢＣ１２３");
  focusEditor(quillbox, editor);
  SendMessageW(editor.field(0), EM_SETSEL, 0, -1);
  pressChord({VK_CONTROL, VK_MENU}, '1');
  waitForEditor(editor, L"ABC123", "Ctrl+Alt+1");
}

// Highlights the item of the driver's own popup menu with the keyboard and chooses it.
void chooseOwnMenuItem(HWND menuWindow, const std::wstring& text) {
  const std::vector<std::wstring> texts = ownMenuTexts(menuWindow);
  int position = -1;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] == text) position = static_cast<int>(i);
  }
  expect(position >= 0, "the plan menu has no " + quoted(text));
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, 0x01E1 /*MN_GETHMENU*/, 0, 0));
  auto highlighted = [&] {
    return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) != 0;
  };
  for (std::size_t presses = 0; !highlighted(); ++presses) {
    expect(presses <= texts.size(), "Down never reached " + quoted(text));
    pressKey(VK_DOWN);
    pause(80);
  }
  pressKey(VK_RETURN);
}

// (d) Ctrl + right click over the editor: the plan popup menu, "全角変換".
void runFromThePopupMenu(const ScenarioContext& context, const QuillboxUnderTest& quillbox,
                         const TargetWindow& editor) {
  selectInEditor(editor, L"abc123");
  focusEditor(quillbox, editor);
  SendMessageW(editor.field(0), EM_SETSEL, 0, -1);
  RECT field{};
  GetWindowRect(editor.field(0), &field);
  movePointer({field.left + 20, (field.top + field.bottom) / 2});
  pause(100);
  keyDown(VK_CONTROL);
  pause(50);
  mouseButton(MouseButton::kRight, true);
  pause(50);
  mouseButton(MouseButton::kRight, false);
  HWND menu = nullptr;
  waitFor("the plan popup menu over the editor", kStandardLimitMs,
          [&] { return (menu = ownPopupMenuWindow()) != nullptr; });
  keyUp(VK_CONTROL);
  const std::vector<std::wstring> texts = ownMenuTexts(menu);
  expect(texts.size() == 38 && texts[2] == L"Web検索（Yahoo）",
         "the plan menu lists " + std::to_string(texts.size()) + " items, the first plan " +
             quoted(texts.size() > 2 ? texts[2] : L""));
  const std::wstring shot = context.scratch + L"\\..\\screenshots\\plan-popup-menu.bmp";
  expect(saveScreenBitmap(shot), "cannot save the screenshot " + toUtf8(shot));
  noteStep("screenshot " + toUtf8(shot));
  chooseOwnMenuItem(menu, L"全角変換");
  waitForEditor(editor, L"ａｂｃ１２３", "the plan popup menu's \"全角変換\"");
}

// (e) The plan of the hotkey deleted from the Plan tab.
void deleteThePlanWithItsHotkey(const QuillboxUnderTest& quillbox, const std::wstring& dataHome) {
  expect(hotkeyTaken(), "Ctrl+Alt+1 is not registered while its plan exists");
  const HWND list = callUpFromTray(quillbox);
  chooseTab(quillbox.mainWindow(), L"プラン");
  int row = -1;
  waitFor("the Plan tab to list " + quoted(kHotkeyPlan), kStandardLimitMs, [&] {
    const std::vector<std::wstring> names = listColumn(list, 0);
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] == kHotkeyPlan) row = static_cast<int>(i);
    }
    return row >= 0;
  });
  expect(listColumn(list, 9)[static_cast<std::size_t>(row)] == L"Ctrl+Alt+1",
         "the row of " + quoted(kHotkeyPlan) + " does not show its hotkey");
  chooseRowMenu(list, row, {L"削除        　　　　Delete"});
  answerBox(quillbox.process().id(),
            L"このプランにはホットキーが割り当てられています。 \n削除してよろしいですか。", IDYES);
  const std::wstring file = planGroupFolder(dataHome, 2) + L"\\" + kHotkeyPlanFile;
  waitFor("the plan's file to be deleted", kStandardLimitMs, [&] { return !fileExists(file); });
  waitFor("Ctrl+Alt+1 to be registered no more", kStandardLimitMs, [] { return !hotkeyTaken(); });
}

}  // namespace

void runPlanRoutesScenario(const ScenarioContext& context) {
  const std::wstring dataHome = dataHomeWithPlanHotkey(context);
  TargetWindow editor;
  QuillboxUnderTest quillbox(context.program, dataHome);
  expect(planFileNamed(dataHome, 2, kHotkeyPlan) == kHotkeyPlanFile,
         "the first start stored " + quoted(kHotkeyPlan) + " as " +
             quoted(planFileNamed(dataHome, 2, kHotkeyPlan)));
  callPlansOnAHistoryRow(quillbox, editor);
  runThePlanHotkey(quillbox, editor);
  runFromThePopupMenu(context, quillbox, editor);
  deleteThePlanWithItsHotkey(quillbox, dataHome);
  quillbox.closeAndWaitForEnd();
}

}  // namespace qb::e2e
