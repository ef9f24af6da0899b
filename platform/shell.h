// The desktop shell: opening a document with the application registered for it.
#pragma once
#include <string_view>

namespace qb {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens the file (Shift-JIS path) with the shell's "open" verb; false when the shell could not
  // (no such file, no application for it).
  virtual bool openFile(std::string_view path) = 0;
};

}  // namespace qb
