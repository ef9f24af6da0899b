// A Shell for tests: records every open request and succeeds unless told to fail.
#pragma once
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace qb {

class FakeShell : public Shell {
 public:
  bool openFile(std::string_view path) override;

  // Opens of this path fail from now on (a missing file).
  void failOpen(std::string path) { failing_.insert(std::move(path)); }
  void failEveryOpen(bool fail) { failAll_ = fail; }

  // Every path asked for, in order, failed ones included.
  const std::vector<std::string>& opened() const { return opened_; }

 private:
  std::vector<std::string> opened_;
  std::set<std::string> failing_;
  bool failAll_ = false;
};

}  // namespace qb
