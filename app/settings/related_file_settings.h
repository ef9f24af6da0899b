// The settings of the related-files settings file "quillboxtxt.dat": seven related-file tabs, each
// with ten groups (a linked text file and its label width).
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/settings/settings_version.h"

namespace qb {

inline constexpr int kRelatedFileTabCount = 7;
inline constexpr int kRelatedFileGroupCount = 10;

struct RelatedFileSettings {
  std::string VL;
  std::int32_t ENABLE = 0;
  std::array<std::int32_t, kRelatedFileTabCount> SANSYO_TEXT_ON{};
  std::array<std::string, kRelatedFileTabCount> SANSYO_TEXT_TAB{};
  // [tab][group]: full path of the linked file, empty for none.
  std::array<std::array<std::string, kRelatedFileGroupCount>, kRelatedFileTabCount>
      SANSYO_TEXT_DIR{};
  std::array<std::array<std::int32_t, kRelatedFileGroupCount>, kRelatedFileTabCount>
      SANSYO_TEXT_WIDTH{};

  VersionState version;
};

}  // namespace qb
