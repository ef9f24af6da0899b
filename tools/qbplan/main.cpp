// qbplan: runs a plan over standard input, or checks that a plan parses.
#include <iostream>
#include <string>
#include <vector>

#include "tools/qbplan/qbplan_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_system_info.h"
#else
#include <unistd.h>

#include "tools/qbplan/host_file_system.h"
#include "tools/qbplan/system_clock.h"
#endif

namespace {

int Run(const std::vector<std::string>& arguments, qb::FileSystem& files, qb::Clock& clock,
        const std::string& programFolder, qb::Clipboard* clipboard = nullptr) {
  std::ios::sync_with_stdio(false);
  // The plan library's default data home: the program folder + "PlanDataHome".
  int code = qb::RunQbplan(arguments, {std::cin, std::cout, std::cerr}, files, clock,
                           programFolder + "PlanDataHome", clipboard);
  std::cout.flush();
  std::cerr.flush();
  return code;
}

std::string FolderOf(const std::string& path, char separator) {
  std::size_t cut = path.find_last_of(separator);
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

#ifdef _WIN32
// Arguments arrive as UTF-16 and become Shift-JIS with code page 932, whatever the system's
// code page; the streams carry bytes unconverted.
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(qb::WideToSjis(argv[i]));
  qb::Win32FileSystem files;
  qb::Win32Clock clock;
  qb::Win32SystemInfo system;
  // A message-only window owns what the clipboard blocks write.
  HWND owner = CreateWindowExW(0, L"STATIC", L"qbplan", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               nullptr, nullptr);
  qb::Win32Clipboard clipboard(owner);
  int code = Run(arguments, files, clock, FolderOf(system.programFilePath(), '\\'), &clipboard);
  if (owner != nullptr) DestroyWindow(owner);
  return code;
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  char buffer[4096];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string program(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
  qb::HostFileSystem files;
  qb::SystemClock clock;
  return Run(arguments, files, clock, FolderOf(program, '/'));
}
#endif
