// The hotkey part of the settings page "キー設定": the five multi hotkeys described one per line,
// and the button "マルチホットキーの設定..." that opens their dialog.
#pragma once
#include <array>
#include <string>

#include "app/settings/settings.h"
#include "hotkeys/multi_hotkey.h"

namespace qb {

inline constexpr const char* kKeySettingsCaption = "キー設定";
inline constexpr const char* kMultiHotkeyButtonCaption = "マルチホットキーの設定...";

class KeySettingsModel {
 public:
  explicit KeySettingsModel(const Settings& settings) : settings_(settings) {}

  // One line per multi hotkey, as DescribeMultiHotkey gives it (a disabled row too, so that the
  // user sees what enabling it would do).
  std::array<std::string, kMultiHotkeyCount> lines() const;

 private:
  const Settings& settings_;
};

}  // namespace qb
