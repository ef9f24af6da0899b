// One computer of the two-computer LAN scenario, driven by command files (see lan_computer.cpp).
#pragma once
#include <string>

namespace qb::e2e {

// Runs until the script says "quit"; 0, or 1 when the program could not be started.
int runLanComputer(const std::wstring& program, const std::wstring& dataHome, const std::wstring& folder);

}  // namespace qb::e2e
