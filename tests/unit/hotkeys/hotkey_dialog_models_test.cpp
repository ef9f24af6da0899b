#include <gtest/gtest.h>

#include "base/byte_shift.h"
#include "hotkeys/fake/fake_hotkey_registrar.h"
#include "hotkeys/hotkey_keys.h"
#include "hotkeys/key_settings_model.h"
#include "hotkeys/multi_hotkey_dialog_model.h"
#include "hotkeys/plan_hotkey_models.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/hotkeys/hotkey_test_support.h"

namespace qb {
namespace {

// Combination indexes of the dialog.
constexpr int kCtrlShiftPair = 0;
constexpr int kCtrlAltPair = 1;
constexpr int kShiftTwice = 3;
constexpr int kCtrlTwice = 4;
constexpr int kLeftShiftTwice = 5;
constexpr int kRightCtrlTwice = 8;

class MultiHotkeyDialogTest : public ::testing::Test {
 protected:
  MultiHotkeyDialogModel open() {
    return MultiHotkeyDialogModel(MultiHotkeysFrom(settings.environment), registration, ui);
  }
  static void enable(MultiHotkeyDialogModel& model, int n, int combination, int key = 0) {
    model.row(n).on = 1;
    model.setCombination(n, combination);
    model.row(n).key = key;
    if (model.row(n).timing == 0) model.row(n).timing = 100;
  }
  std::string onlyBox() {
    EXPECT_EQ(ui.boxes().size(), 1u);
    return ui.boxes().empty() ? "" : ui.boxes()[0].text;
  }

  Settings settings = DefaultSettings();
  FakeHotkeyRegistrar registrar;
  ScriptedUi ui;
  HotkeyRegistration registration{registrar, ui};
};

TEST_F(MultiHotkeyDialogTest, UnchangedRowsCloseWithoutSaving) {
  MultiHotkeyDialogModel model = open();
  EXPECT_EQ(model.combination(0), kShiftTwice);
  EXPECT_TRUE(model.usesTiming(0));
  EXPECT_FALSE(model.usesKey(0));
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kUnchanged);
  model.row(0).link = 1;
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kSaved);
  ExpectUiScriptFinished(ui);
}

TEST_F(MultiHotkeyDialogTest, AnEnabledRowWithoutAKeyIsRefusedFirst) {
  MultiHotkeyDialogModel model = open();
  enable(model, 1, kCtrlAltPair, 0);
  enable(model, 2, kLeftShiftTwice);  // would also be refused, but later
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  EXPECT_EQ(onlyBox(), "設定されていないホットキーが有効になっています　");
}

TEST_F(MultiHotkeyDialogTest, ShiftTwiceBesideLeftShiftTwiceIsRefused) {
  MultiHotkeyDialogModel model = open();
  enable(model, 3, kLeftShiftTwice);
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  EXPECT_EQ(onlyBox(), "Shift２回連打と、Shift(左)(右)２回連打は混在できません");
  // Disabled, the same row no longer counts.
  model.row(3).on = 0;
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kSaved);
}

TEST_F(MultiHotkeyDialogTest, CtrlTwiceBesideRightCtrlTwiceIsRefused) {
  MultiHotkeyDialogModel model = open();
  enable(model, 1, kRightCtrlTwice);
  enable(model, 4, kCtrlTwice);
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  EXPECT_EQ(onlyBox(), "Ctrl２回連打と、Ctrl(左)(右)２回連打は混在できません");
}

TEST_F(MultiHotkeyDialogTest, DuplicatesAreRefused) {
  MultiHotkeyDialogModel model = open();
  enable(model, 1, kShiftTwice);
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  model.row(1).on = 0;
  enable(model, 2, kCtrlShiftPair, 'K');
  enable(model, 3, kCtrlShiftPair, 'K');
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  model.row(3).key = 'L';
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kSaved);
  ASSERT_EQ(ui.boxes().size(), 2u);
  EXPECT_EQ(ui.boxes()[0].text, "ホットキーが重複しています");
  EXPECT_EQ(ui.boxes()[1].text, "ホットキーが重複しています");
}

TEST_F(MultiHotkeyDialogTest, ATimingOutsideItsRangeIsRefused) {
  MultiHotkeyDialogModel model = open();
  model.row(0).timing = 0;  // no poll at all: the double tap could never be recognised
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  EXPECT_EQ(onlyBox(), kTimingRangeMessage);
}

TEST_F(MultiHotkeyDialogTest, ANewPairAnotherProgramHoldsIsRefusedWithItsTextForm) {
  registrar.holdElsewhere(hotkey_modifier::kCtrl | hotkey_modifier::kAlt, 'Q');
  MultiHotkeyDialogModel model = open();
  enable(model, 1, kCtrlAltPair, 'Q');
  EXPECT_EQ(model.ok(), MultiHotkeyDialogModel::Result::kStayOpen);
  EXPECT_EQ(onlyBox(), std::string("マルチホットキー登録失敗（ Ctrl+Alt+Q ）　\n") + kHotkeyTakenText);
}

TEST(MultiHotkeyDescription, EachRowAsTheSettingsPageListsIt) {
  Settings settings = DefaultSettings();
  const GroupNames names = GroupNamesFrom(settings.environment, settings.relatedFiles);
  MultiHotkey tap{1, 160, 160, 0, 80, 0, 0, 0, 0};
  EXPECT_EQ(DescribeMultiHotkey(tap, names), " Shift(左) 2回連打　ﾀｲﾐﾝｸﾞ:80 <指定しない> 連結しない");
  MultiHotkey pair{1, 17, 18, 'Q', 0, 6, 0, 3, 1};
  EXPECT_EQ(DescribeMultiHotkey(pair, names), " Ctrl + Alt + Q プランタブ ： ホットキー呼び出し専用 連結する");
  EXPECT_EQ(DescribeMultiHotkey(MultiHotkey{1, 17, 18, 0}, names), "ホットキーが設定されていません　");
  const auto lines = KeySettingsModel(settings).lines();
  EXPECT_EQ(lines[0], "1 [有効]  Shift 2回連打　ﾀｲﾐﾝｸﾞ:100 <指定しない> 連結しない");
  EXPECT_EQ(lines[4], "5 [無効] ホットキーが設定されていません　");
}

class PlanHotkeyModelsTest : public ::testing::Test {
 protected:
  void putPlan(int group, const std::string& file, const std::string& name) {
    fs.putFile("C:\\home\\Plan\\PlanDir0" + std::to_string(group) + "\\" + file,
               ShiftBytesUp(name + ":::V1.20:::0000000000:::0:::0:::text"));
  }
  PlanHotkeyListModel list() {
    return PlanHotkeyListModel(settings.planHotkeys, catalog, settings.environment.PlanDir_Ar,
                               registration, ui);
  }
  static int KeyIndex(int key) {
    const auto keys = OfferedKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == key) return static_cast<int>(i);
    }
    return -1;
  }

  Settings settings = DefaultSettings();
  FakeClock clock;
  FakeFileSystem fs{clock};
  PlanFolderCatalog catalog{fs, "C:\\home\\"};
  FakeHotkeyRegistrar registrar;
  ScriptedUi ui;
  HotkeyRegistration registration{registrar, ui};
  PlanHotkeyTable table{settings.planHotkeys};
};

TEST_F(PlanHotkeyModelsTest, AssigningFillsTheFirstFreeSlotAndTheFiftiethIsTheLast) {
  for (int n = 0; n < kPlanHotkeyCount; ++n) {
    const PlanHotkeyAssignment keys{{17, 18, 0}, OfferedKeys()[static_cast<std::size_t>(n % 36)]};
    ASSERT_TRUE(table.assign(2, "PLAN" + std::to_string(n) + ".cln", keys));
  }
  EXPECT_EQ(settings.planHotkeys.PlanHotKeyIdx, 50);
  EXPECT_FALSE(table.assign(2, "PLAN99.cln", {{17, 0, 0}, 'A'}));
  // A plan that has its hotkey keeps its slot when its keys change.
  EXPECT_EQ(table.assign(2, "PLAN7.cln", {{17, 0, 0}, 'Z'}), 7);
  table.clear(3);
  EXPECT_EQ(settings.planHotkeys.PlanHotKeyIdx, 49);
  EXPECT_EQ(table.assign(5, "OTHER.cln", {{17, 0, 0}, 'Y'}), 3);
}

TEST_F(PlanHotkeyModelsTest, TheFiftyFirstAssignmentIsRefusedWithTheLimitMessage) {
  for (int n = 0; n < kPlanHotkeyCount; ++n) {
    table.assign(2, "PLAN" + std::to_string(n) + ".cln", {{18, 16, 0}, 'A' + n % 26});
  }
  PlanHotkeyEditModel edit(table, registration, ui, 2, "NEW.cln", "新しいプラン");
  edit.setModifierChoice(0);
  edit.setKeyChoice(KeyIndex('9'));
  EXPECT_FALSE(edit.ok());
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "プランに設定できるホットキーの最大数（50）を超えます。 ");
}

TEST_F(PlanHotkeyModelsTest, TheListShowsEachSlotInUseAndDeletesAfterTheQuestion) {
  putPlan(2, "PLAN001.cln", "括弧で括る");
  table.assign(2, "PLAN001.cln", {{17, 18, 0}, 'P'});
  table.assign(2, "GONE.cln", {{17, 0, 0}, '1'});
  PlanHotkeyListModel model = list();
  ASSERT_EQ(model.rows().size(), 2u);
  EXPECT_EQ(model.rows()[0].columns,
            (std::array<std::string, 5>{"Ctrl+Alt+P", "括弧で括る", "ホットキー呼び出し専用",
                                        "PLAN001.cln", "0200"}));
  EXPECT_FALSE(model.removeSelected());
  EXPECT_FALSE(model.beginChange());
  model.select(1);
  EXPECT_FALSE(model.beginChange());  // its plan file is gone
  ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_FALSE(model.removeSelected());
  ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_TRUE(model.removeSelected());
  EXPECT_EQ(model.rows().size(), 1u);
  EXPECT_TRUE(model.changed());
  EXPECT_EQ(settings.planHotkeys.PlanHotKeyIdx, 1);
  std::vector<std::string> texts;
  for (const auto& box : ui.boxes()) texts.push_back(box.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "削除する対象を選択してください　", "変更する対象を選択してください　",
                       "ホットキー設定の初期処理に失敗しました",
                       "ホットキーの割り当てを解除します。よろしいですか？",
                       "ホットキーの割り当てを解除します。よろしいですか？"}));
  ExpectUiScriptFinished(ui);
}

TEST_F(PlanHotkeyModelsTest, AChangeRefusesKeysAnotherPlanUses) {
  putPlan(2, "PLAN001.cln", "一");
  putPlan(2, "PLAN002.cln", "二");
  table.assign(2, "PLAN001.cln", {{17, 18, 0}, 'P'});
  table.assign(2, "PLAN002.cln", {{17, 0, 0}, 'Q'});
  PlanHotkeyListModel model = list();
  model.select(1);
  std::optional<PlanHotkeyEditModel> edit = model.beginChange();
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->planName(), "二");
  EXPECT_EQ(edit->modifierChoice(), 0);
  EXPECT_EQ(edit->keyChoice(), KeyIndex('Q'));
  edit->setModifierChoice(1);
  edit->setKeyChoice(KeyIndex('P'));
  EXPECT_FALSE(edit->ok());
  edit->setKeyChoice(KeyIndex('R'));
  EXPECT_TRUE(edit->ok());
  model.changeDone();
  EXPECT_EQ(model.rows()[1].columns[0], "Ctrl+Alt+R");
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ホットキーが重複しています");
}

}  // namespace
}  // namespace qb
