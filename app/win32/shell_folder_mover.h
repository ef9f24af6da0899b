// Silent folder copy and move through the shell.
#pragma once
#include "app/data_home.h"

namespace qb {

class ShellFolderMover : public FolderMover {
 public:
  bool copyFolder(std::string_view from, std::string_view to) override;
  bool moveFolder(std::string_view from, std::string_view to) override;
};

}  // namespace qb
