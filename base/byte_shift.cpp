#include "base/byte_shift.h"

namespace qb {

void ShiftBytesUpInPlace(std::string& bytes) {
  for (char& c : bytes) c = static_cast<char>(static_cast<unsigned char>(c) + 1u);
}

void ShiftBytesDownInPlace(std::string& bytes) {
  for (char& c : bytes) c = static_cast<char>(static_cast<unsigned char>(c) - 1u);
}

std::string ShiftBytesUp(std::string_view plain) {
  std::string bytes(plain);
  ShiftBytesUpInPlace(bytes);
  return bytes;
}

std::string ShiftBytesDown(std::string_view shifted) {
  std::string bytes(shifted);
  ShiftBytesDownInPlace(bytes);
  return bytes;
}

}  // namespace qb
