// qbplan: runs a plan over standard input, or checks that a plan parses.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tools/qbplan/host_file_system.h"
#include "tools/qbplan/qbplan_command.h"
#include "tools/qbplan/system_clock.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// The program folder + "PlanDataHome", as the plan library's default data home.
std::string DefaultDataHome() {
#ifdef _WIN32
  wchar_t wide[2000];
  DWORD length = GetModuleFileNameW(nullptr, wide, 2000);
  int bytes = WideCharToMultiByte(932, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string path(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(932, 0, wide, static_cast<int>(length), path.data(), bytes, nullptr, nullptr);
  std::size_t cut = path.find_last_of('\\');
  return (cut == std::string::npos ? std::string() : path.substr(0, cut + 1)) + "PlanDataHome";
#else
  char buffer[4096];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string path(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
  std::size_t cut = path.find_last_of('/');
  return (cut == std::string::npos ? std::string() : path.substr(0, cut + 1)) + "PlanDataHome";
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  qb::HostFileSystem files;
  qb::SystemClock clock;
  int code = qb::RunQbplan(arguments, {std::cin, std::cout, std::cerr}, files, clock, DefaultDataHome());
  std::cout.flush();
  std::cerr.flush();
  return code;
}
