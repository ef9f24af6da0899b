// The program's command-line options.
#pragma once
#include <optional>
#include <string>

namespace qb {

struct CommandLineOptions {
  // "--data-home=PATH": use PATH as the data home (tests, portable installs). Shift-JIS.
  std::optional<std::string> dataHome;
  // "--show": the window is called up once the start is done, as a tray click would.
  bool show = false;
};

CommandLineOptions ParseCommandLine();

}  // namespace qb
