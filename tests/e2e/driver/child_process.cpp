#include "tests/e2e/driver/child_process.h"

#include <cstdio>
#include <exception>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {

std::wstring quoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count double only in front of a quote.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

ChildProcess::ChildProcess(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  std::wstring commandLine = quoteArgument(program);
  for (const auto& argument : arguments) commandLine += L" " + quoteArgument(argument);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info_)) {
    throw ScenarioFailure("cannot start " + quoted(commandLine) + ", error " +
                          std::to_string(GetLastError()));
  }
  noteStep("started process " + std::to_string(info_.dwProcessId) + ": " + quoted(commandLine));
}

ChildProcess::~ChildProcess() {
  if (isRunning()) {
    if (std::uncaught_exceptions() > 0 && keepRunningOnFailure) {
      std::printf("  left process %lu running for the screenshot\n", info_.dwProcessId);
    } else {
      terminate();
    }
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ChildProcess::isRunning() const {
  return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::exitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ChildProcess::waitForEnd(const std::string& what, DWORD limitMs) const {
  waitFor(what, limitMs, [this] { return !isRunning(); });
}

bool ChildProcess::waitForInputIdle(DWORD limitMs) const {
  return WaitForInputIdle(info_.hProcess, limitMs) == 0;
}

void ChildProcess::terminate() const {
  if (!isRunning()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 5000);
  noteStep("terminated process " + std::to_string(info_.dwProcessId));
}

}  // namespace qb::e2e
