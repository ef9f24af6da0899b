#include "planlib/engine/escape_notation.h"

namespace qb {

std::string ConvertEscapes(std::string_view notation) {
  std::string converted;
  for (char c : notation) {
    if (c == 'r') converted.push_back('\r');
    if (c == 'n') converted.push_back('\n');
    if (c == 't') converted.push_back('\t');
  }
  return converted;
}

}  // namespace qb
