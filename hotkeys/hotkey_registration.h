// Registering the multi hotkeys and the plan hotkeys with the system, the messages for refused
// ones, and the way back from a hotkey identifier to its slot.
//
// Identifiers: multi hotkeys 1024 + k and plan hotkeys 768 + k, where k counts the ones
// registered so far in slot order; 1280 is the test registration of the dialogs.
#pragma once
#include <string>
#include <vector>

#include "app/settings/plan_hotkey_settings.h"
#include "hotkeys/hotkey_registrar.h"
#include "hotkeys/multi_hotkey.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kMultiHotkeyIdBase = 1024;
inline constexpr int kPlanHotkeyIdBase = 768;
inline constexpr int kTestHotkeyId = 1280;

inline constexpr const char* kHotkeyTakenText =
    "このホットキーは既に他のアプリケーションで登録済みの可能性があります。　\n"
    "他の組み合わせに変更してください。　";

// Which kind of the program's own hotkeys a dialog is about to register again.
enum class HotkeyKind { kMulti, kPlan };

// The text form of plan hotkey slot n: "Ctrl+Alt+P".
std::string PlanHotkeyText(const PlanHotkeySettings& settings, int slot);

class HotkeyRegistration {
 public:
  HotkeyRegistration(HotkeyRegistrar& registrar, Ui& ui);

  // Each enabled modifier-pair row with a key; a refused one is reported and the next tried.
  void registerMulti(const MultiHotkeys& hotkeys);
  // Each slot with a plan file name.
  void registerPlan(const PlanHotkeySettings& settings);
  void unregisterMulti();
  void unregisterPlan();

  // The slot behind a registered identifier; -1 for none.
  int multiSlotOf(int id) const;
  int planSlotOf(int id) const;

  // The dialogs' check of a combination before they take it: 0 when it can be registered, else
  // -1 with `message` set. Equal modifiers (a double tap) pass at once. The dialog of `own`
  // registers all hotkeys of its kind again, so a combination one of them holds now counts as
  // free; the dialog itself checks its rows against each other.
  int testRegistration(unsigned modifiers, int key, bool equalModifiers, HotkeyKind own,
                       std::string& message);

 private:
  struct Registered {
    unsigned modifiers;
    int key;
    int slot;
  };
  static bool Holds(const std::vector<Registered>& list, unsigned modifiers, int key);

  HotkeyRegistrar& registrar_;
  Ui& ui_;
  std::vector<Registered> multi_;
  std::vector<Registered> plan_;
};

}  // namespace qb
