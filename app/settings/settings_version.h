// The format version that every settings file carries under "VL=", and what reading it found.
#pragma once
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kVersionKey = "VL=";
// The version this program writes; a file with a greater one (byte-wise) is from a newer release.
inline constexpr std::string_view kSettingsVersion = "V3.34";
inline constexpr std::string_view kVersionComment = "<= ﾊﾞｰｼﾞｮﾝ";

struct VersionState {
  std::string previousVersion;  // the older "VL=" value of an upgraded file
  bool createdNew = false;      // the file had no "VL=" line
  bool upgraded = false;        // the file had an older "VL=" value
};

}  // namespace qb
