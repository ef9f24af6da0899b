#include "app/settings/settings_reader.h"

#include <stdexcept>
#include <string>

namespace qb {
namespace {

// Handles the "VL=" line; false when the file is newer than the program.
bool ReadVersion(LoadedLineTable& lines, const BoundKey& versionKey, VersionState& version) {
  std::string& field = *std::get<std::string*>(versionKey.field);
  version = VersionState{};
  const int index = lines.find(kVersionKey);
  if (index == LoadedLineTable::kNotFound) {
    field = std::string(kSettingsVersion);
    lines.append({versionKey.key, field, std::string(versionKey.defaultComment)});
    version.createdNew = true;
    return true;
  }
  const std::string& found = lines.lines()[static_cast<std::size_t>(index)].value;
  if (found > kSettingsVersion) return false;
  if (found < kSettingsVersion) {
    version.previousVersion = found;
    version.upgraded = true;
  }
  field = std::string(kSettingsVersion);
  return true;
}

}  // namespace

ReadOutcome ReadSettings(LoadedLineTable& lines, const BoundKeyList& keys, VersionState& version) {
  const BoundKey* versionKey = keys.find(kVersionKey);
  if (versionKey == nullptr) throw std::logic_error("settings key table without VL=");
  if (!ReadVersion(lines, *versionKey, version)) return ReadOutcome::kNewerVersion;
  for (const BoundKey& key : keys.keys()) {
    if (&key == versionKey) continue;
    const int index = lines.find(key.key);
    if (index == LoadedLineTable::kNotFound) {
      AssignFieldValue(key.field, key.defaultValue);
      lines.append({key.key, FormatFieldValue(key.field), std::string(key.defaultComment)});
    } else {
      ReadFieldValue(key.field, lines.lines()[static_cast<std::size_t>(index)].value, key.limit);
    }
  }
  return ReadOutcome::kRead;
}

}  // namespace qb
