#include "app/settings/settings_key_tables.h"

namespace qb {

// quillboxtxt.dat: for each tab its switch, its name, then its ten files and ten label widths.
const KeyTable<RelatedFileSettings>& RelatedFileKeyTable() {
  using R = RelatedFileSettings;
  static const KeyTable<R> table = {
    Key<&R::VL>(kVersionKey, std::string(kSettingsVersion), kVersionComment),
    Key<&R::ENABLE>("ENABLE=", 1, "<= 有効フラグ"),
    Interleaved({
        Member<&R::SANSYO_TEXT_ON>("SANSYO_TEXT%1d_ON=", FirstThen{1, 0}, "->関連ファイルOFF/ON(0 or 1)"),
        Member<&R::SANSYO_TEXT_TAB>("SANSYO_TEXT%1d_TAB=", NumberedNames{{}, "関連%d"}, "->関連ファイルのタブ名"),
        Member<&R::SANSYO_TEXT_DIR>("SANSYO_TEXT%1d_DIR%1d=", "", "->関連ファイル"),
        Member<&R::SANSYO_TEXT_WIDTH>("SANSYO_TEXT%1d_WIDTH%1d=", 75, "->関連ファイル毎のラベル幅(V2.20)", ClampedTo(8, 600)),
    }),
  };
  return table;
}

}  // namespace qb
