#include "hotkeys/multi_hotkey.h"

#include "hotkeys/hotkey_keys.h"

namespace qb {
namespace {

namespace hk = hotkey_key;

constexpr HotkeyCombination kCombinations[] = {
    {"Ctrl + Shift", hk::kCtrl, hk::kShift},
    {"Ctrl + Alt", hk::kCtrl, hk::kAlt},
    {"Alt  + Shift", hk::kAlt, hk::kShift},
    {"Shift  2回連打", hk::kShift, hk::kShift},
    {"Ctrl   2回連打", hk::kCtrl, hk::kCtrl},
    {"Shift(左) 2回連打", hk::kLeftShift, hk::kLeftShift},
    {"Shift(右) 2回連打", hk::kRightShift, hk::kRightShift},
    {"Ctrl(左) 2回連打", hk::kLeftCtrl, hk::kLeftCtrl},
    {"Ctrl(右) 2回連打", hk::kRightCtrl, hk::kRightCtrl},
};

constexpr const char* kTabNames[] = {"<指定しない>", "履歴タブ", "保存タブ", "関連ファイルタブ",
                                     "共有タブ",     "公開タブ", "プランタブ", "スタックタブ"};

const char* DoubleTapName(int key) {
  switch (key) {
    case hk::kShift: return " Shift 2回";
    case hk::kLeftShift: return " Shift(左) 2回";
    case hk::kRightShift: return " Shift(右) 2回";
    case hk::kCtrl: return " Ctrl 2回";
    case hk::kLeftCtrl: return " Ctrl(左) 2回";
    case hk::kRightCtrl: return " Ctrl(右) 2回";
    default: return " ? 2回";
  }
}

const char* PairName(int key) {
  switch (key) {
    case hk::kShift: return "Shift";
    case hk::kCtrl: return "Ctrl";
    case hk::kAlt: return "Alt";
    default: return "?";
  }
}

std::string NameAt(std::span<const std::string> names, int index) {
  if (index < 0 || index >= static_cast<int>(names.size())) return {};
  return names[static_cast<std::size_t>(index)];
}

// " ： " and the group (Save, Plan, Stack) or the related-file tab; nothing for "keep".
std::string TargetSuffix(const MultiHotkey& hotkey, const GroupNames& names) {
  switch (hotkey.tabKind) {
    case 2: return hotkey.group > 0 ? " ： " + NameAt(names.save, hotkey.group - 1) : "";
    case 6: return hotkey.group > 0 ? " ： " + NameAt(names.plan, hotkey.group - 1) : "";
    case 7: return hotkey.group > 0 ? " ： " + NameAt(names.stack, hotkey.group - 1) : "";
    case 3: return " ： " + NameAt(names.related, hotkey.tabKindNo);
    default: return "";
  }
}

}  // namespace

std::string MultiHotkey::text() const {
  const int modifiers[] = {first, second};
  return HotkeyText(modifiers, key);
}

MultiHotkeys MultiHotkeysFrom(const EnvironmentSettings& s) {
  MultiHotkeys hotkeys;
  for (std::size_t n = 0; n < hotkeys.size(); ++n) {
    hotkeys[n] = MultiHotkey{s.MultiHotKeyOn[n],      s.MultiHotKey1[n],         s.MultiHotKey2[n],
                             s.MultiHotKey3[n],       s.MultiHotKey4[n],         s.MultiHotKeyTabKind[n],
                             s.MultiHotKeyTabKindNo[n], s.MultiHotKeyGroup[n], s.MultiHotKeyWinRen[n]};
  }
  return hotkeys;
}

void StoreMultiHotkeys(const MultiHotkeys& hotkeys, EnvironmentSettings& s) {
  for (std::size_t n = 0; n < hotkeys.size(); ++n) {
    const MultiHotkey& h = hotkeys[n];
    s.MultiHotKeyOn[n] = h.on;
    s.MultiHotKey1[n] = h.first;
    s.MultiHotKey2[n] = h.second;
    s.MultiHotKey3[n] = h.key;
    s.MultiHotKey4[n] = h.timing;
    s.MultiHotKeyTabKind[n] = h.tabKind;
    s.MultiHotKeyTabKindNo[n] = h.tabKindNo;
    s.MultiHotKeyGroup[n] = h.group;
    s.MultiHotKeyWinRen[n] = h.link;
  }
}

std::span<const HotkeyCombination> MultiHotkeyCombinations() { return kCombinations; }

int CombinationIndex(int first, int second) {
  for (std::size_t i = 0; i < std::size(kCombinations); ++i) {
    if (kCombinations[i].first == first && kCombinations[i].second == second) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::span<const char* const> MultiHotkeyTabNames() { return kTabNames; }

const char* LinkChoiceCaption(bool link) {
  return link ? " 呼び出し時にウィンドウ連結を行います " : " 呼び出し時にウィンドウ連結を行いません ";
}

GroupNames GroupNamesFrom(const EnvironmentSettings& settings, const RelatedFileSettings& related) {
  GroupNames names;
  for (std::size_t g = 0; g < names.save.size(); ++g) {
    names.save[g] = settings.CLIPDIR_AR[g];
    names.plan[g] = settings.PlanDir_Ar[g];
    names.stack[g] = settings.StackDir_Ar[g];
  }
  for (std::size_t t = 0; t < names.related.size(); ++t) {
    names.related[t] = related.SANSYO_TEXT_TAB[t];
  }
  return names;
}

std::string DescribeMultiHotkey(const MultiHotkey& hotkey, const GroupNames& names) {
  if (!hotkey.hasKey()) return "ホットキーが設定されていません　";
  std::string text;
  if (hotkey.doubleTap()) {
    text = std::string(DoubleTapName(hotkey.first)) + "連打　ﾀｲﾐﾝｸﾞ:" + std::to_string(hotkey.timing);
  } else {
    text = std::string(" ") + PairName(hotkey.first) + " + " + PairName(hotkey.second) + " + " +
           KeyText(hotkey.key);
  }
  const auto tabs = MultiHotkeyTabNames();
  if (hotkey.tabKind > 0 && hotkey.tabKind < static_cast<int>(tabs.size())) {
    text += std::string(" ") + tabs[static_cast<std::size_t>(hotkey.tabKind)] +
            TargetSuffix(hotkey, names);
  } else {
    text += " <指定しない>";
  }
  return text + (hotkey.link == 1 ? " 連結する" : " 連結しない");
}

}  // namespace qb
