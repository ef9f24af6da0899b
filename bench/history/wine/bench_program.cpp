#include "bench/history/wine/bench_program.h"

#include <algorithm>
#include <cstring>

namespace qb::bench {
namespace {

std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  return L"\"" + argument + L"\"";
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK TakeMainWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  if ((search->processId == 0 || owner == search->processId) && GetClassNameW(window, name, 64) &&
      std::wcscmp(name, L"QuillboxMainFrame") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void SleepUntil(double atMs) {
  for (;;) {
    const double left = atMs - NowMs();
    if (left <= 0) return;
    if (left > 2) {
      Sleep(1);
    } else {
      SwitchToThread();
    }
  }
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PutClipboardText(const std::string& ascii) {
  std::wstring wide(ascii.begin(), ascii.end());
  for (;;) {
    if (OpenClipboard(nullptr)) break;
    Sleep(0);
  }
  EmptyClipboard();
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

ProgramRun::ProgramRun(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  std::wstring commandLine = Quoted(program);
  for (const std::wstring& argument : arguments) commandLine += L" " + Quoted(argument);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startedAt_ = NowMs();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info_)) {
    info_ = PROCESS_INFORMATION{};
  }
}

ProgramRun::~ProgramRun() {
  terminate();
  if (info_.hThread) CloseHandle(info_.hThread);
  if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool ProgramRun::running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramRun::waitForEnd(DWORD limitMs) const {
  return !info_.hProcess || WaitForSingleObject(info_.hProcess, limitMs) == WAIT_OBJECT_0;
}

void ProgramRun::terminate() {
  if (!running()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 10000);
}

HWND FindMainWindow(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace qb::bench
