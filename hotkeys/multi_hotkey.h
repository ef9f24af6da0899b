// The five multi hotkeys: each calls the main window up, optionally on a tab and group and linked
// to the working window. A row whose two keys are equal is a double tap of that key, otherwise a
// modifier pair with a key registered with the system.
#pragma once
#include <array>
#include <span>
#include <string>

#include "app/settings/environment_settings.h"
#include "app/settings/related_file_settings.h"

namespace qb {

inline constexpr int kMultiHotkeyCount = 5;

struct MultiHotkey {
  int on = 0;         // MultiHotKeyOn
  int first = 0;      // MultiHotKey1_: 16/17/18, or the tapped key 16/160/161/17/162/163
  int second = 0;     // MultiHotKey2_: equal to `first` for a double tap
  int key = 0;        // MultiHotKey3_: the key pressed with the pair
  int timing = 0;     // MultiHotKey4_: a double tap counts within timing / 5 polls of 10 ms
  int tabKind = 0;    // MultiHotKeyTabKind: 0 none, 1..7 the tab kinds
  int tabKindNo = 0;  // MultiHotKeyTabKindNo: which related-file tab (0..6)
  int group = 0;      // MultiHotKeyGroup: 0 keep the current group, g: group g - 1
  int link = 0;       // MultiHotKeyWinRen: 1 link to the working window at call-up

  bool enabled() const { return on == 1; }
  bool doubleTap() const { return first == second; }
  // False for a row whose keys are not all chosen.
  bool hasKey() const { return first != 0 && second != 0 && (doubleTap() || key != 0); }
  // The modifier pair as text with its key: "Ctrl+Alt+Q".
  std::string text() const;
  bool operator==(const MultiHotkey&) const = default;
};

using MultiHotkeys = std::array<MultiHotkey, kMultiHotkeyCount>;

MultiHotkeys MultiHotkeysFrom(const EnvironmentSettings& settings);
void StoreMultiHotkeys(const MultiHotkeys& hotkeys, EnvironmentSettings& settings);

// The combinations the dialog offers, in its order (combo index → first and second key).
struct HotkeyCombination {
  const char* caption;
  int first;
  int second;
};
std::span<const HotkeyCombination> MultiHotkeyCombinations();
// The index of the combination of a row; -1 when the row's keys are none of them.
int CombinationIndex(int first, int second);

// "<指定しない>", "履歴タブ", .. "スタックタブ": index = tab kind.
std::span<const char* const> MultiHotkeyTabNames();
// " 呼び出し時にウィンドウ連結を行います " (link 1) or " 呼び出し時にウィンドウ連結を行いません ".
const char* LinkChoiceCaption(bool link);

// The names a row's description shows for its group or related-file tab.
struct GroupNames {
  std::array<std::string, 10> save;
  std::array<std::string, 10> plan;
  std::array<std::string, 10> stack;
  std::array<std::string, 7> related;
};
GroupNames GroupNamesFrom(const EnvironmentSettings& settings, const RelatedFileSettings& related);

// One row of the multi hotkey list of the settings page, for example
// " Shift 2回連打　ﾀｲﾐﾝｸﾞ:100 <指定しない> 連結しない".
std::string DescribeMultiHotkey(const MultiHotkey& hotkey, const GroupNames& names);

}  // namespace qb
