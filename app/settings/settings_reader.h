// The reader: applies the lines of a settings file to the fields bound in its key list.
#pragma once
#include "app/settings/bound_key_list.h"
#include "app/settings/loaded_line_table.h"
#include "app/settings/settings_version.h"

namespace qb {

enum class ReadOutcome {
  kRead,
  kNewerVersion,  // "VL=" is greater than this program's version; nothing was read
};

// First "VL=": a missing line is added with this program's version (created new); an older
// value is kept in `version` and replaced (upgraded); a newer one stops the reading. Then every
// other key in list order: a key with a line takes the line's value (converted and limited), a
// key without one takes its default and gains a line with its default comment at the end.
ReadOutcome ReadSettings(LoadedLineTable& lines, const BoundKeyList& keys, VersionState& version);

}  // namespace qb
