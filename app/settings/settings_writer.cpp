#include "app/settings/settings_writer.h"

#include "app/settings/settings_line.h"

namespace qb {

ComposedSettings ComposeSettingsText(const LoadedLineTable& lines, const BoundKeyList& keys) {
  ComposedSettings composed;
  for (const SettingsLine& line : lines.lines()) {
    const BoundKey* key = keys.find(line.key);
    if (key == nullptr) {
      composed.unknownKeys.push_back(line.key);
      continue;
    }
    composed.text += FormatSettingsLine(line.key, FormatFieldValue(key->field), line.comment);
  }
  return composed;
}

}  // namespace qb
