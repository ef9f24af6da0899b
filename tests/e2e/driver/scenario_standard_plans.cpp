// The standard plans: a first start on an empty data home installs them (9 plans for
// "プラン呼び出し専用", 36 for "ホットキー呼び出し専用") and the Plan tab lists them; a second
// start adds none; a start on a settings file of "V3.00" asks whether group 3 becomes
// "ホットキー呼び出し専用" with its standard plans. A picture of the Plan tab is kept.
#include <windows.h>

#include "app/win32/window_identity.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/plan_files.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/screen_capture.h"
#include "tests/e2e/driver/tab_driving.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

const std::wstring kGroupThreeQuestion =
    L"プラングループ３に標準プランを追加します。　\nまた、グループ名が「ホットキー呼び出し専用」に"
    L"変更されます。　\n\nグループ名の変更と、標準プランの格納を行いますか？　";
const std::wstring kLaterHint = L"標準プランは環境設定の補助からでも格納できます。　";

void expectInstalled(const std::wstring& dataHome, const char* when) {
  const auto callGroup = planNamesOnDisk(dataHome, 0);
  const auto hotkeyGroup = planNamesOnDisk(dataHome, 2);
  expect(callGroup.size() == 9, std::string(when) + ": \"プラン呼び出し専用\" holds " +
                                    std::to_string(callGroup.size()) + " plans, not 9");
  expect(hotkeyGroup.size() == 36, std::string(when) + ": \"ホットキー呼び出し専用\" holds " +
                                       std::to_string(hotkeyGroup.size()) + " plans, not 36");
  expect(callGroup.front() == L"括弧「」括り" && callGroup.back() == L"引用符付け",
         std::string(when) + ": PLAN001 / PLAN009 hold " + quoted(callGroup.front()) + " / " +
             quoted(callGroup.back()));
}

// The window called up with the Plan tab shown; its list.
HWND showPlanTab(const QuillboxUnderTest& quillbox) {
  sendTrayCallback(quillbox.mainWindow(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  waitFor("the main window to be called up", kStandardLimitMs,
          [&] { return IsWindowVisible(quillbox.mainWindow()) != FALSE; });
  chooseTab(quillbox.mainWindow(), L"プラン");
  const HWND list = findListView(quillbox.mainWindow());
  expect(list != nullptr, "the main window has no list");
  waitFor("the Plan tab to list the 36 plans of \"ホットキー呼び出し専用\"", kStandardLimitMs,
          [&] { return listColumn(list, 0).size() == 36; },
          [&] { return std::to_string(listColumn(list, 0).size()) + " rows"; });
  return list;
}

MessageBoxView waitForBox(const ChildProcess& process, const std::wstring& text) {
  MessageBoxView seen;
  waitFor("the message box " + quoted(text), kStandardLimitMs, [&] {
    HWND box = findMessageBox(process.id(), L"Quillbox");
    if (!box) return false;
    seen = readMessageBox(box);
    return seen.text == text;
  }, [&] { return describe(seen); });
  return seen;
}

}  // namespace

void runStandardPlansScenario(const ScenarioContext& context) {
  const std::wstring dataHome = freshDataHome(context, L"standard-plans") + L"\\";
  {
    QuillboxUnderTest quillbox(context.program, dataHome);
    expectInstalled(dataHome, "after the first start");
    const HWND list = showPlanTab(quillbox);
    const auto names = listColumn(list, 0);
    expect(names.front() == L"Web検索（Yahoo）" && names.back() == L"文字列検索のブラウザ表示",
           "the Plan tab lists " + quoted(names.front()) + " first and " + quoted(names.back()) +
               " last");
    RedrawWindow(quillbox.mainWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::wstring shot = context.scratch + L"\\..\\screenshots\\plan-tab.bmp";
    expect(saveScreenBitmap(shot), "cannot save the screenshot " + toUtf8(shot));
    noteStep("screenshot " + toUtf8(shot));
    quillbox.closeAndWaitForEnd();
  }
  {
    QuillboxUnderTest again(context.program, dataHome);
    expectInstalled(dataHome, "after the second start");
    again.closeAndWaitForEnd();
  }
  const std::wstring older = dataHomeWithSetting(context, L"standard-plans-v300", "VL=", "V3.00");
  QuillboxUnderTest upgraded(context.program, older, [](const ChildProcess& process) {
    const MessageBoxView question = waitForBox(process, kGroupThreeQuestion);
    expect(question.buttons.size() == 2, "the question has not Yes and No: " + describe(question));
    pressButton(question, IDNO);
    pressButton(waitForBox(process, kLaterHint), IDOK);
  });
  expect(planNamesOnDisk(older, 2).empty(), "after No, group 3 holds plans");
  upgraded.closeAndWaitForEnd();
}

}  // namespace qb::e2e
