// The checked-in expected settings files (golden/), as bytes.
#pragma once
#include <string>
#include <string_view>

namespace qb {

// The content of golden/<name>; empty for an unknown name.
std::string GoldenSettingsFile(std::string_view name);

}  // namespace qb
