#include "app/settings/settings_writer.h"

#include <unordered_set>

#include "app/settings/settings_line.h"

namespace qb {

ComposedSettings ComposeSettingsText(const LoadedLineTable& lines, const BoundKeyList& keys) {
  ComposedSettings composed;
  std::unordered_set<const BoundKey*> written;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const SettingsLine& line = lines.lines()[i];
    const BoundKey* key = keys.find(line.key);
    if (key == nullptr) {
      composed.unknownKeys.push_back(line.key);
      continue;
    }
    if (!written.insert(key).second) continue;
    composed.text += FormatSettingsLine(line.key, FormatFieldValue(key->field), line.comment);
    composed.writtenLines.push_back(i);
  }
  return composed;
}

}  // namespace qb
