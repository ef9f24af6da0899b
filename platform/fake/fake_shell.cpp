#include "platform/fake/fake_shell.h"

namespace qb {

bool FakeShell::openFile(std::string_view path) {
  opened_.emplace_back(path);
  return !failAll_ && failing_.count(opened_.back()) == 0;
}

}  // namespace qb
