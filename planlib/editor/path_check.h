// The checks of a path field when its dialog closes, and of what is dropped on it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/form_description.h"

namespace qb {

// Empty when the path is acceptable for a field of this kind, else the message. A path is
// "<$データホームフォルダ>" followed by nothing or by "\" and more, a drive path ("C:\…") or a
// network path ("\\server\share…"). Double-byte characters whose second byte is a backslash
// or "|" are characters, not separators.
std::string CheckPath(FieldKind kind, std::string_view path);

struct DroppedItem {
  std::string path;
  bool folder = false;
};

struct DropOutcome {
  bool accepted = false;
  std::string path;     // when accepted
  std::string message;  // when refused
};

// A path field takes one dropped file (file and application fields) or one folder.
DropOutcome TakeDrop(FieldKind kind, const std::vector<DroppedItem>& items);

}  // namespace qb
