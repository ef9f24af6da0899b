#include "app/win32/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "platform/win32/text_conversion.h"

namespace qb {

CommandLineOptions ParseCommandLine() {
  CommandLineOptions options;
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return options;
  constexpr std::wstring_view kDataHome = L"--data-home=";
  for (int i = 1; i < count; ++i) {
    std::wstring_view arg = args[i];
    if (arg.substr(0, kDataHome.size()) == kDataHome && arg.size() > kDataHome.size()) {
      options.dataHome = WideToSjis(arg.substr(kDataHome.size()));
    } else if (arg == L"--show") {
      options.show = true;
    }
  }
  LocalFree(args);
  return options;
}

}  // namespace qb
