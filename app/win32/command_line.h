// The program's command-line options.
#pragma once
#include <optional>
#include <string>

namespace qb {

struct CommandLineOptions {
  // "--data-home=PATH": use PATH as the data home (tests, portable installs). Shift-JIS.
  std::optional<std::string> dataHome;
};

CommandLineOptions ParseCommandLine();

}  // namespace qb
