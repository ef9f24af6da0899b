// The byte shift of history and plan files: each byte is stored as (b + 1) mod 256.
#pragma once
#include <string>
#include <string_view>

namespace qb {

std::string ShiftBytesUp(std::string_view plain);     // for writing
std::string ShiftBytesDown(std::string_view shifted); // for reading
void ShiftBytesUpInPlace(std::string& bytes);
void ShiftBytesDownInPlace(std::string& bytes);

}  // namespace qb
