// The multi hotkey dialog and the plan hotkey dialogs on real windows: the rows and choices as
// the models give them, what the user changes, and OK refused or taken.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/settings/key_table.h"
#include "app/settings/settings_key_tables.h"
#include "hotkeys/fake/fake_hotkey_registrar.h"
#include "hotkeys/win32/hotkey_dialogs.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "tests/win32/dialogs/dialog_test.h"

namespace qb {
namespace {

using namespace hotkey_dialog_ids;
using test::DialogDriver;

const std::wstring kMultiCaption = L"マルチホットキーの設定";

void Select(DialogDriver& d, int id, int index) {
  SendMessageW(d.item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  d.command(id, CBN_SELCHANGE);
}

int Selected(DialogDriver& d, int id) { return static_cast<int>(SendMessageW(d.item(id), CB_GETCURSEL, 0, 0)); }

class HotkeyDialogsTest : public test::DialogTest {
 protected:
  HotkeyDialogsTest() {
    BindKeyTable(EnvironmentKeyTable(), settings.environment, ScreenSize{1280, 800}).assignDefaults();
    BindKeyTable(RelatedFileKeyTable(), settings.relatedFiles, ScreenSize{}).assignDefaults();
    BindKeyTable(PlanHotkeyKeyTable(), settings.planHotkeys, ScreenSize{}).assignDefaults();
  }
  bool runMulti(MultiHotkeyDialogModel& model, DialogDriver::Script script) {
    const GroupNames names = GroupNamesFrom(settings.environment, settings.relatedFiles);
    return drive(std::move(script),
                 [&] { return RunMultiHotkeyDialog(owner(), ui_, L"", model, names); });
  }

  Settings settings;
  FakeHotkeyRegistrar registrar;
  HotkeyRegistration registration{registrar, ui_};
};

TEST_F(HotkeyDialogsTest, TheRowsShowTheSettingsAndADoubleTapHasATimingButNoKey) {
  MultiHotkeyDialogModel model(MultiHotkeysFrom(settings.environment), registration, ui_);
  const bool saved = runMulti(model, [](DialogDriver& d) {
    if (!d.waitForDialog(kMultiCaption)) return;
    d.expect(IsDlgButtonChecked(d.dialog(), RowControl(0, kRowEnabled)) == BST_CHECKED, "row 1 is on");
    d.expect(Selected(d, RowControl(0, kRowCombination)) == 3, "row 1 is a Shift double tap");
    d.expectText(RowControl(0, kRowTiming), L"100");
    d.expect(!d.enabled(RowControl(0, kRowKey)), "a double tap has no key");
    d.expect(d.enabled(RowControl(0, kRowTiming)), "a double tap has its timing");
    d.expect(!d.enabled(RowControl(0, kRowGroup)), "no group without a tab that has groups");
    // A pair takes a key instead of a timing.
    Select(d, RowControl(2, kRowCombination), 1);
    d.expect(d.enabled(RowControl(2, kRowKey)), "a pair has a key");
    d.expect(!d.enabled(RowControl(2, kRowTiming)), "a pair has no timing");
    d.click(IDCANCEL);
    d.waitClosed();
  });
  EXPECT_FALSE(saved);
}

TEST_F(HotkeyDialogsTest, APairOnTheSaveTabWithItsGroupIsSaved) {
  MultiHotkeyDialogModel model(MultiHotkeysFrom(settings.environment), registration, ui_);
  const bool saved = runMulti(model, [](DialogDriver& d) {
    if (!d.waitForDialog(kMultiCaption)) return;
    d.click(RowControl(1, kRowEnabled));
    Select(d, RowControl(1, kRowCombination), 1);  // Ctrl + Alt
    Select(d, RowControl(1, kRowKey), 10 + ('Q' - 'A'));
    Select(d, RowControl(1, kRowTab), 2);  // 保存タブ
    d.expect(d.enabled(RowControl(1, kRowGroup)), "the Save tab offers its groups");
    Select(d, RowControl(1, kRowGroup), 4);  // the fourth group
    Select(d, RowControl(1, kRowLink), 1);
    d.click(IDOK);
    d.waitClosed();
  });
  EXPECT_TRUE(saved);
  EXPECT_EQ(model.row(1), (MultiHotkey{1, 17, 18, 'Q', 0, 2, 0, 4, 1}));
  EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(HotkeyDialogsTest, ARefusedOkKeepsTheDialogOpen) {
  MultiHotkeyDialogModel model(MultiHotkeysFrom(settings.environment), registration, ui_);
  const bool saved = runMulti(model, [](DialogDriver& d) {
    if (!d.waitForDialog(kMultiCaption)) return;
    d.click(RowControl(3, kRowEnabled));
    Select(d, RowControl(3, kRowCombination), 5);  // Shift(左) beside the Shift double tap
    d.setText(RowControl(3, kRowTiming), L"100");
    d.post(IDOK, BN_CLICKED);
    d.waitUntil([&] { return IsWindowVisible(d.dialog()) != FALSE; }, "the dialog stays open");
    Sleep(200);
    d.expect(IsWindow(d.dialog()) != FALSE, "the dialog closed on a refused OK");
    d.click(IDCANCEL);
    d.waitClosed();
  });
  EXPECT_FALSE(saved);
  ASSERT_EQ(ui_.boxes().size(), 1u);
  EXPECT_EQ(ui_.boxes()[0].text, "Shift２回連打と、Shift(左)(右)２回連打は混在できません");
}

TEST_F(HotkeyDialogsTest, ThePlanListChangesAPlansKeysThroughItsEditDialog) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  std::string record = "括弧で括る:::V1.20:::0000000000:::0:::0:::text";
  for (char& c : record) c = static_cast<char>(static_cast<unsigned char>(c) + 1u);
  fs.putFile("C:\\home\\Plan\\PlanDir02\\PLAN001.cln", record);
  PlanFolderCatalog catalog(fs, "C:\\home\\");
  PlanHotkeyTable(settings.planHotkeys).assign(2, "PLAN001.cln", {{17, 0, 0}, 'P'});
  PlanHotkeyListModel model(settings.planHotkeys, catalog, settings.environment.PlanDir_Ar,
                            registration, ui_);
  const bool changed = drive(
      [](DialogDriver& d) {
        const HWND list = d.waitForDialog(L"プランホットキー一覧の表示");
        if (!list) return;
        const HWND view = d.item(kPlanListView);
        d.expect(ListView_GetItemCount(view) == 1, "one plan hotkey is listed");
        ListView_SetItemState(view, 0, LVIS_SELECTED, LVIS_SELECTED);
        d.post(kPlanListChange, BN_CLICKED);
        if (!d.waitForDialog(L"プランホットキーの設定")) return;
        d.expectText(kPlanEditName, L"括弧で括る");
        SendMessageW(d.item(kPlanEditModifiers), CB_SETCURSEL, 1, 0);  // Ctrl + Alt
        d.click(IDOK);
        d.waitClosed();
        d.useDialog(list);
        d.click(IDCANCEL);
        d.waitClosed();
      },
      [&] { return RunPlanHotkeyListDialog(owner(), ui_, L"", model); });
  EXPECT_TRUE(changed);
  EXPECT_EQ(model.rows().at(0).columns[0], "Ctrl+Alt+P");
}

}  // namespace
}  // namespace qb
