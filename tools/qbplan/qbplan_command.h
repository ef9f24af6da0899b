// The qbplan command line: "run" a plan over standard input, or "check" that it parses.
#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace qb {

inline constexpr int kQbplanCompleted = 0;
inline constexpr int kQbplanFailed = 1;
inline constexpr int kQbplanUsage = 2;
inline constexpr int kQbplanCancelled = 3;

struct QbplanStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// `arguments` without the program name. `dataHome` is the default <$データホームフォルダ>.
// `clipboard` is the system's where there is one (Windows): the clipboard blocks use it.
int RunQbplan(const std::vector<std::string>& arguments, QbplanStreams streams, FileSystem& files,
              Clock& clock, const std::string& dataHome, Clipboard* clipboard = nullptr);

}  // namespace qb
