// The identity of this run of the program on the LAN: the computer name followed by the start
// time "%Y%m%d%H%M%S". The start-up makes it once, after the data home is chosen.
#pragma once
#include <string>

#include "platform/clock.h"
#include "platform/system_info.h"

namespace qb {

// The computer name has at most this many characters (the system's limit).
inline constexpr std::size_t kComputerNameCharacters = 15;

std::string MakeInstanceIdentity(SystemInfo& system, Clock& clock);

}  // namespace qb
