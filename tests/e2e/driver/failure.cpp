#include "tests/e2e/driver/failure.h"

#include <windows.h>

#include <cstdio>

namespace qb::e2e {

void noteStep(const std::string& line) {
  static const ULONGLONG started = GetTickCount64();
  std::fprintf(stderr, "  %6llu ms  %s\n", GetTickCount64() - started, line.c_str());
  std::fflush(stderr);
}

}  // namespace qb::e2e
