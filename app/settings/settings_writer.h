// The writer: the content of a settings file from its line table and the current field values.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "app/settings/bound_key_list.h"
#include "app/settings/loaded_line_table.h"

namespace qb {

struct ComposedSettings {
  std::string text;                        // the whole file, CR LF line ends
  std::vector<std::size_t> writtenLines;   // indices of the table lines written, in order
  std::vector<std::string> unknownKeys;    // keys of lines left out as unknown, in line order
};

// One line per line of the table, in order: its key, the field's current value formatted by its
// type, and the line's comment. Lines whose key is not in `keys` are left out, and so are later
// lines of a key already written (they could only repeat its value).
ComposedSettings ComposeSettingsText(const LoadedLineTable& lines, const BoundKeyList& keys);

}  // namespace qb
