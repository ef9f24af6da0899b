// What the import dialog adds as a new item: a file's name, its full path or its contents.
#pragma once
#include <string>
#include <string_view>

#include "app/tablist/tab_list.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

// What the import dialog chose: what to take from the file, and the file (Shift-JIS path).
struct ImportChoice {
  ImportKind kind;
  std::string path;
};

// 0 and the value (contents cut to 512000 bytes); -1 after a message when the file cannot be
// read, so that nothing half-read is stored.
int ImportedValue(FileSystem& fs, Ui& ui, ImportKind kind, std::string_view path,
                  std::string& value);

}  // namespace qb
