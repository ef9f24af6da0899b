#include "hotkeys/hotkey_registration.h"

#include <gtest/gtest.h>

#include "hotkeys/fake/fake_hotkey_registrar.h"
#include "hotkeys/hotkey_keys.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/hotkeys/hotkey_test_support.h"

namespace qb {
namespace {

namespace hk = hotkey_key;
constexpr unsigned kCtrlAlt = hotkey_modifier::kCtrl | hotkey_modifier::kAlt;
constexpr unsigned kCtrlShift = hotkey_modifier::kCtrl | hotkey_modifier::kShift;

class HotkeyRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override { settings = DefaultSettings(); }
  MultiHotkeys multi() const { return MultiHotkeysFrom(settings.environment); }
  void setRow(int n, int first, int second, int key) {
    const auto i = static_cast<std::size_t>(n);
    settings.environment.MultiHotKeyOn[i] = 1;
    settings.environment.MultiHotKey1[i] = first;
    settings.environment.MultiHotKey2[i] = second;
    settings.environment.MultiHotKey3[i] = key;
  }
  void setPlanSlot(int n, int m1, int m2, int m3, int key, const char* file) {
    const auto i = static_cast<std::size_t>(n);
    PlanHotkeySettings& p = settings.planHotkeys;
    p.PlanHotKey1[i] = m1;
    p.PlanHotKey2[i] = m2;
    p.PlanHotKey3[i] = m3;
    p.PlanHotKey4[i] = key;
    p.PlanHotKeyFileName[i] = file;
  }

  Settings settings;
  FakeHotkeyRegistrar registrar;
  ScriptedUi ui;
  HotkeyRegistration registration{registrar, ui};
};

TEST_F(HotkeyRegistrationTest, TheDefaultsAreOneShiftDoubleTapThatNeedsNoRegistration) {
  const MultiHotkey first = multi()[0];
  EXPECT_EQ(first, (MultiHotkey{1, 16, 16, 'Z', 100, 0, 0, 0, 0}));
  EXPECT_TRUE(first.doubleTap());
  for (int n = 1; n < kMultiHotkeyCount; ++n) EXPECT_FALSE(multi()[static_cast<std::size_t>(n)].enabled());
  registration.registerMulti(multi());
  EXPECT_TRUE(registrar.log().empty());
}

TEST_F(HotkeyRegistrationTest, PairsAreRegisteredInSlotOrderAndMappedBackToTheirSlots) {
  setRow(2, hk::kCtrl, hk::kAlt, 'Q');
  setRow(4, hk::kCtrl, hk::kShift, 'W');
  settings.environment.MultiHotKeyOn[3] = 1;  // enabled without keys: nothing to register
  registration.registerMulti(multi());
  EXPECT_EQ(registrar.registered().at(1024), std::make_pair(kCtrlAlt, int{'Q'}));
  EXPECT_EQ(registrar.registered().at(1025), std::make_pair(kCtrlShift, int{'W'}));
  EXPECT_EQ(registration.multiSlotOf(1024), 2);
  EXPECT_EQ(registration.multiSlotOf(1025), 4);
  EXPECT_EQ(registration.multiSlotOf(1026), -1);
  EXPECT_EQ(registration.multiSlotOf(768), -1);
  registration.unregisterMulti();
  EXPECT_TRUE(registrar.registered().empty());
  EXPECT_EQ(registration.multiSlotOf(1024), -1);
}

TEST_F(HotkeyRegistrationTest, ARefusedPairIsReportedWithItsTextFormAndTheNextStillRegisters) {
  setRow(0, hk::kCtrl, hk::kShift, 'Z');
  setRow(1, hk::kCtrl, hk::kAlt, 'Q');
  registrar.holdElsewhere(kCtrlShift, 'Z');
  registration.registerMulti(multi());
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "マルチホットキー登録失敗（ Ctrl+Shift+Z ）　\n"
            "このホットキーは既に他のアプリケーションで登録済みの可能性があります。　\n"
            "他の組み合わせに変更してください。　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kExclamation);
  // The next registered one takes the first identifier.
  EXPECT_EQ(registration.multiSlotOf(1024), 1);
  ExpectUiScriptFinished(ui);
}

TEST_F(HotkeyRegistrationTest, PlanSlotsWithAFileNameAreRegisteredAnEmptyOneIsNot) {
  setPlanSlot(0, hk::kCtrl, hk::kAlt, 0, 'P', "PLAN001.cln");
  setPlanSlot(1, hk::kCtrl, 0, 0, '1', "");
  setPlanSlot(7, hk::kCtrl, hk::kAlt, hk::kShift, 'A', "PLAN004.cln");
  registration.registerPlan(settings.planHotkeys);
  EXPECT_EQ(registrar.registered().size(), 2u);
  EXPECT_EQ(registrar.registered().at(768).first, kCtrlAlt);
  EXPECT_EQ(registrar.registered().at(769).first, kCtrlAlt | hotkey_modifier::kShift);
  EXPECT_EQ(registration.planSlotOf(769), 7);
  EXPECT_EQ(PlanHotkeyText(settings.planHotkeys, 7), "Ctrl+Alt+Shift+A");
}

TEST_F(HotkeyRegistrationTest, ARefusedPlanHotkeyIsReported) {
  setPlanSlot(3, hk::kCtrl, hk::kAlt, 0, 'P', "PLAN001.cln");
  registrar.holdElsewhere(kCtrlAlt, 'P');
  registration.registerPlan(settings.planHotkeys);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "プランのホットキー登録失敗（ Ctrl+Alt+P ）　\n"
            "このホットキーは既に他のアプリケーションで登録済みの可能性があります。　\n"
            "他の組み合わせに変更してください。　");
}

TEST_F(HotkeyRegistrationTest, TheTestRegistrationUsesItsOwnIdentifierAndLetsItGo) {
  std::string message;
  EXPECT_EQ(registration.testRegistration(kCtrlAlt, 'K', false, HotkeyKind::kMulti, message), 0);
  EXPECT_EQ(registrar.log(), (std::vector<std::string>{"add 1280 3 75", "remove 1280"}));
  EXPECT_TRUE(message.empty());
  registrar.holdElsewhere(kCtrlAlt, 'L');
  EXPECT_EQ(registration.testRegistration(kCtrlAlt, 'L', false, HotkeyKind::kMulti, message), -1);
  EXPECT_EQ(message, kHotkeyTakenText);
  // Equal modifiers (a double tap) pass without a registration.
  EXPECT_EQ(registration.testRegistration(hotkey_modifier::kShift, 0, true, HotkeyKind::kMulti,
                                          message), 0);
  // A multi hotkey the program holds is free for the multi hotkey dialog, which registers them
  // all again, but taken for a plan hotkey.
  setRow(0, hk::kCtrl, hk::kAlt, 'Q');
  registration.registerMulti(multi());
  EXPECT_EQ(registration.testRegistration(kCtrlAlt, 'Q', false, HotkeyKind::kMulti, message), 0);
  EXPECT_EQ(registration.testRegistration(kCtrlAlt, 'Q', false, HotkeyKind::kPlan, message), -1);
}

TEST(HotkeyText, ModifiersInTheirOrderThenTheKey) {
  const int ctrlAlt[] = {hk::kCtrl, hk::kAlt};
  EXPECT_EQ(HotkeyText(ctrlAlt, 'P'), "Ctrl+Alt+P");
  const int shiftNone[] = {hk::kShift, 0, 0};
  EXPECT_EQ(HotkeyText(shiftNone, '7'), "Shift+7");
  EXPECT_EQ(KeyText(0x70), "F1");
  EXPECT_EQ(ModifierFlags(ctrlAlt), 3u);
}

}  // namespace
}  // namespace qb
