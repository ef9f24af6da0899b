// A picture of the whole screen, kept as a test artifact.
#pragma once
#include <string>

namespace qb::e2e {

// Writes the screen as a 24-bit BMP file; false when it could not.
bool saveScreenBitmap(const std::wstring& path);

}  // namespace qb::e2e
