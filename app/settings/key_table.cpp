#include "app/settings/key_table.h"

namespace qb::key_table_detail {

DefaultRule NamedDefault(NumberedNames names) {
  return [names = std::move(names)](int index, ScreenSize) {
    if (index >= 0 && static_cast<std::size_t>(index) < names.fixed.size()) {
      return SettingValue(std::string(names.fixed[static_cast<std::size_t>(index)]));
    }
    return SettingValue(FormatIndexed(names.numbered, index + 1));
  };
}

}  // namespace qb::key_table_detail
