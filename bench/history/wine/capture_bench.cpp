// Drives the real quillbox2.exe under Wine the way a user's copying does, and times it.
//
//   qb_capture_bench startup  PROGRAM TRIVIAL HOME HISTORY_ITEMS SAVE_ITEMS RUNS
//       per run: a trivial Windows program from launch until its window exists and until its end,
//       then the program from launch until a text copied is stored (a fresh data home with the
//       given items each time)
//   qb_capture_bench rate     PROGRAM HOME PER_SECOND COUNT
//       COUNT distinct texts at PER_SECOND on the clipboard: how many were stored
//   qb_capture_bench latency  PROGRAM HOME COUNT
//       clipboard set -> item file on disk, one text at a time
//   qb_capture_bench deleteall PROGRAM HOME ITEMS     "全削除" (answered Yes) over ITEMS items
//   qb_capture_bench exit     PROGRAM HOME ITEMS      the end with AutoSave=0 over ITEMS items
// For the kill test (the program started and killed by the script):
//   qb_capture_bench prepare  HOME HISTORY_ITEMS
//   qb_capture_bench ready    HOME                    waits until a text copied is stored
//   qb_capture_bench burst    PER_SECOND COUNT TAG
//   qb_capture_bench snapshot HOME OUT_FILE            the whole items' values; fails on a cut one
//   qb_capture_bench check    HOME SNAPSHOT_FILE       every item whole, the list loaded with all of
//                                                      them, no temporary file, nothing of the
//                                                      snapshot missing
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "bench/history/wine/bench_home.h"
#include "bench/history/wine/bench_program.h"
#include "bench/history/wine/bench_texts.h"

namespace qb::bench {
namespace {

constexpr double kReadyLimitMs = 20000;
constexpr DWORD kSettleAfterKillMs = 2000;
constexpr double kProbeEveryMs = 2;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

FILETIME WriteTimeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return FILETIME{};
  return data.ftLastWriteTime;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

std::set<std::string> StoredValues(const std::wstring& home) {
  std::set<std::string> values;
  for (const StoredItem& item : ReadHistory(home)) values.insert(item.value);
  return values;
}

// Puts probe texts on the clipboard every 2 ms until the program stores one in `watched`
// (a file that does not exist yet or that the program will write next). Milliseconds since
// `sinceMs`, or a negative number after the limit.
double WaitUntilAProbeIsStored(const std::wstring& watched, double sinceMs) {
  const FILETIME before = WriteTimeOf(watched);
  int probe = 0;
  double nextProbe = NowMs();
  while (NowMs() - sinceMs < kReadyLimitMs) {
    if (NowMs() >= nextProbe) {
      PutClipboardText(MakeBenchText("probe" + std::to_string(++probe), 40));
      nextProbe += kProbeEveryMs;
    }
    if (!SameTime(WriteTimeOf(watched), before)) return NowMs() - sinceMs;
    SwitchToThread();
  }
  return -1;
}

// Until the newest probe shows up among the items (any file; the kill test's home is full).
bool WaitUntilTakingTexts(const std::wstring& home) {
  const double start = NowMs();
  for (int probe = 1; NowMs() - start < kReadyLimitMs; ++probe) {
    const std::string text = MakeBenchText("ready" + std::to_string(probe) + "-" +
                                               std::to_string(GetTickCount()), 40);
    PutClipboardText(text);
    for (int look = 0; look < 10; ++look) {
      Sleep(20);
      if (StoredValues(home).count(text)) return true;
    }
  }
  return false;
}

void PutTexts(double perSecond, int count, const std::string& tag, std::vector<std::string>* put) {
  const double step = 1000.0 / perSecond;
  const double start = NowMs();
  for (int i = 0; i < count; ++i) {
    SleepUntil(start + i * step);
    const std::string text = MakeBenchText(tag + "-" + std::to_string(i), 64 + (i * 37) % 200);
    PutClipboardText(text);
    if (put) put->push_back(text);
  }
  const double took = NowMs() - start;
  std::printf("  put %d texts in %.0f ms (%.1f per second)\n", count, took,
              count > 1 ? (count - 1) * 1000.0 / took : 0.0);
}

std::vector<std::wstring> ProgramArguments(const std::wstring& home) {
  return {L"--data-home=" + home};
}

int Startup(const std::wstring& program, const std::wstring& trivial, const std::wstring& home,
            int historyItems, int saveItems, int runs) {
  std::vector<double> trivialTimes, trivialWindowTimes, programTimes;
  // The trivial program sets this event once its window exists.
  HANDLE windowMade = CreateEventW(nullptr, FALSE, FALSE, L"QbTrivialWindowMade");
  for (int run = 1; run <= runs; ++run) {
    if (!PrepareHome(home, {historyItems, saveItems, 500, true})) {
      std::printf("cannot prepare %s\n", Narrow(home).c_str());
      return 2;
    }
    {
      ResetEvent(windowMade);
      ProgramRun plain(trivial, {});
      const bool made = WaitForSingleObject(windowMade, 10000) == WAIT_OBJECT_0;
      trivialWindowTimes.push_back(made ? NowMs() - plain.startedAtMs() : 10000.0);
      plain.waitForEnd(10000);
      trivialTimes.push_back(NowMs() - plain.startedAtMs());
    }
    ProgramRun quillbox(program, ProgramArguments(home));
    // With items the least recently written one (SAVE0001) is replaced by the first capture.
    const double ready = WaitUntilAProbeIsStored(HistoryFile(home, 1), quillbox.startedAtMs());
    quillbox.terminate();
    // Wine goes on cleaning up after a killed program (its windows, its clipboard and tray icon)
    // for several hundred milliseconds; the next run's starts wait until that is over.
    Sleep(kSettleAfterKillMs);
    if (ready < 0) {
      std::printf("run %d: no text was stored within %.0f ms\n", run, kReadyLimitMs);
      return 1;
    }
    programTimes.push_back(ready);
    std::printf("run %2d: trivial program %6.1f ms to its window, %6.1f ms to its end; "
                "start to capture-ready %6.1f ms\n",
                run, trivialWindowTimes.back(), trivialTimes.back(), ready);
  }
  CloseHandle(windowMade);
  const double trivialWindowMedian = Median(trivialWindowTimes);
  const double trivialMedian = Median(trivialTimes);
  const double programMedian = Median(programTimes);
  std::printf("median of %d: trivial program %.1f ms to its window (%.1f ms to its end), "
              "start to capture-ready %.1f ms (%d History items, %d Save items), "
              "ratio %.2f to the trivial window (%.2f to its end)\n",
              runs, trivialWindowMedian, trivialMedian, programMedian, historyItems, saveItems,
              programMedian / trivialWindowMedian, programMedian / trivialMedian);
  return 0;
}

int Rate(const std::wstring& program, const std::wstring& home, double perSecond, int count) {
  if (!PrepareHome(home, {0, 0, 500, true})) return 2;
  ProgramRun quillbox(program, ProgramArguments(home));
  if (WaitUntilAProbeIsStored(HistoryFile(home, 1), quillbox.startedAtMs()) < 0) return 1;
  Sleep(1000);  // the work left for after the start is done
  std::vector<std::string> put;
  PutTexts(perSecond, count, "rate" + std::to_string(static_cast<int>(perSecond)), &put);
  Sleep(2000);
  const std::set<std::string> stored = StoredValues(home);
  int found = 0;
  for (const std::string& text : put) found += stored.count(text) ? 1 : 0;
  std::printf("%.0f per second: %d of %d stored\n", perSecond, found, count);
  return 0;
}

int Latency(const std::wstring& program, const std::wstring& home, int count) {
  if (!PrepareHome(home, {0, 0, 500, true})) return 2;
  ProgramRun quillbox(program, ProgramArguments(home));
  if (WaitUntilAProbeIsStored(HistoryFile(home, 1), quillbox.startedAtMs()) < 0) return 1;
  Sleep(1000);
  std::vector<double> latencies;
  for (int i = 0; i < count; ++i) {
    Sleep(100);
    const std::wstring next = HistoryFile(home, 2 + i);
    const double start = NowMs();
    PutClipboardText(MakeBenchText("latency" + std::to_string(i), 100));
    while (GetFileAttributesW(next.c_str()) == INVALID_FILE_ATTRIBUTES) {
      if (NowMs() - start > 5000) {
        std::printf("text %d was not stored within 5 s\n", i);
        return 1;
      }
    }
    latencies.push_back(NowMs() - start);
  }
  std::printf("capture latency (clipboard set -> item file), median of %d: %.2f ms "
              "(min %.2f, max %.2f)\n",
              count, Median(latencies), *std::min_element(latencies.begin(), latencies.end()),
              *std::max_element(latencies.begin(), latencies.end()));
  return 0;
}

// Whether the History folder still holds an item file. Only the listing is asked: reading the
// files on every probe would compete with the program's own removals.
bool AnyItemLeft(const std::wstring& home) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((HistoryFolder(home) + L"\\*.cln").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// Waits until the History folder holds no item; milliseconds since `sinceMs`.
double WaitUntilEmpty(const std::wstring& home, double sinceMs) {
  while (AnyItemLeft(home)) {
    if (NowMs() - sinceMs > 30000) return -1;
    Sleep(1);
  }
  return NowMs() - sinceMs;
}

BOOL CALLBACK FindButton(HWND child, LPARAM parameter) {
  wchar_t caption[32];
  if (GetWindowTextW(child, caption, 32) && std::wstring(caption) == L"全削除") {
    *reinterpret_cast<HWND*>(parameter) = child;
    return FALSE;
  }
  return TRUE;
}

HWND FindQuestionBox(DWORD processId) {
  HWND box = nullptr;
  while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    if (owner == processId) return box;
  }
  return nullptr;
}

int DeleteAll(const std::wstring& program, const std::wstring& home, int items) {
  if (!PrepareHome(home, {items, 0, 500, true})) return 2;
  ProgramRun quillbox(program, ProgramArguments(home));
  if (WaitUntilAProbeIsStored(HistoryFile(home, 1), quillbox.startedAtMs()) < 0) return 1;
  Sleep(1000);
  HWND main = FindMainWindow(quillbox.id());
  HWND button = nullptr;
  EnumChildWindows(main, FindButton, reinterpret_cast<LPARAM>(&button));
  if (!button) return 1;
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  HWND box = nullptr;
  for (int i = 0; i < 500 && !(box = FindQuestionBox(quillbox.id())); ++i) Sleep(10);
  if (!box) return 1;
  const double start = NowMs();
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  // The removals start when the question box has gone (under Wine without a window manager its
  // end alone waits about 2 s); both times are printed.
  while (IsWindow(box) && NowMs() - start < 30000) Sleep(1);
  const double boxGone = NowMs();
  const double took = WaitUntilEmpty(home, boxGone);
  std::printf("全削除 over %d History items: %.0f ms until the folder was empty after the question "
              "box closed (%.0f ms from Yes)\n",
              items, took, took < 0 ? took : took + (boxGone - start));
  return took < 0 ? 1 : 0;
}

int Exit(const std::wstring& program, const std::wstring& home, int items) {
  if (!PrepareHome(home, {items, 0, 500, false})) return 2;
  ProgramRun quillbox(program, ProgramArguments(home));
  if (WaitUntilAProbeIsStored(HistoryFile(home, 1), quillbox.startedAtMs()) < 0) return 1;
  Sleep(1000);
  const double start = NowMs();
  PostMessageW(FindMainWindow(quillbox.id()), WM_CLOSE, 0, 0);
  const double took = WaitUntilEmpty(home, start);
  quillbox.waitForEnd(20000);
  std::printf("exit with AutoSave=0 over %d History items: %.0f ms until the folder was empty, "
              "%.0f ms until the process ended\n",
              items, took, NowMs() - start);
  return took < 0 ? 1 : 0;
}

int Snapshot(const std::wstring& home, const std::string& outFile) {
  std::ofstream out(outFile, std::ios::binary);
  int whole = 0, broken = 0;
  for (const StoredItem& item : ReadHistory(home)) {
    if (item.whole) {
      out << item.value << "\n";
      ++whole;
    } else {
      std::printf("  not whole: %s\n", item.fileName.c_str());
      ++broken;
    }
  }
  std::printf("snapshot: %d whole items, %d not whole, %zu temporary files\n", whole, broken,
              TemporaryFiles(home).size());
  return 0;
}

int ListRowCount() {
  HWND main = FindMainWindow(0);
  HWND list = main ? FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  return list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

int Check(const std::wstring& home, const std::string& snapshotFile) {
  std::vector<std::string> problems;
  const std::vector<StoredItem> items = ReadHistory(home);
  std::set<std::string> values;
  for (const StoredItem& item : items) {
    if (!item.whole) problems.push_back("not whole: " + item.fileName);
    values.insert(item.value);
  }
  for (const std::wstring& leftover : TemporaryFiles(home)) {
    problems.push_back("temporary file left: " + Narrow(leftover));
  }
  std::ifstream in(snapshotFile, std::ios::binary);
  std::string line;
  std::set<std::string> snapshot;
  int before = 0, missing = 0;
  while (std::getline(in, line)) {
    ++before;
    snapshot.insert(line);
    if (!values.count(line)) ++missing;
  }
  // At the History's maximum every text taken after the restart (the readiness probe among them)
  // takes the place of the oldest item: that many older texts may be gone, and no more.
  int newer = 0;
  for (const std::string& value : values) newer += snapshot.count(value) ? 0 : 1;
  if (missing > newer) {
    problems.push_back(std::to_string(missing - newer) + " texts stored before the kill are gone");
  }
  const int rows = ListRowCount();
  if (rows != static_cast<int>(items.size())) {
    problems.push_back("the History shows " + std::to_string(rows) + " rows for " +
                       std::to_string(items.size()) + " item files");
  }
  for (const std::string& problem : problems) std::printf("  %s\n", problem.c_str());
  std::printf("check: %zu items (%d before the kill), %zu problems\n", items.size(), before,
              problems.size());
  return problems.empty() ? 0 : 1;
}

int Usage() {
  std::printf("usage: see the head of bench/history/wine/capture_bench.cpp\n");
  return 2;
}

}  // namespace
}  // namespace qb::bench

int wmain(int argc, wchar_t** argv) {
  using namespace qb::bench;
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 2) return Usage();
  const std::wstring mode = argv[1];
  auto number = [&](int i) { return std::stod(argv[i]); };
  if (mode == L"startup" && argc == 8) {
    return Startup(argv[2], argv[3], argv[4], static_cast<int>(number(5)),
                   static_cast<int>(number(6)), static_cast<int>(number(7)));
  }
  if (mode == L"rate" && argc == 6) return Rate(argv[2], argv[3], number(4), static_cast<int>(number(5)));
  if (mode == L"latency" && argc == 5) return Latency(argv[2], argv[3], static_cast<int>(number(4)));
  if (mode == L"deleteall" && argc == 5) return DeleteAll(argv[2], argv[3], static_cast<int>(number(4)));
  if (mode == L"exit" && argc == 5) return Exit(argv[2], argv[3], static_cast<int>(number(4)));
  if (mode == L"prepare" && argc == 4) {
    return PrepareHome(argv[2], {static_cast<int>(number(3)), 0, 500, true}) ? 0 : 2;
  }
  if (mode == L"ready" && argc == 3) return WaitUntilTakingTexts(argv[2]) ? 0 : 1;
  if (mode == L"burst" && argc == 5) {
    PutTexts(number(2), static_cast<int>(number(3)), std::string(argv[4], argv[4] + wcslen(argv[4])),
             nullptr);
    return 0;
  }
  if (mode == L"snapshot" && argc == 4) {
    return Snapshot(argv[2], std::string(argv[3], argv[3] + wcslen(argv[3])));
  }
  if (mode == L"check" && argc == 4) return Check(argv[2], std::string(argv[3], argv[3] + wcslen(argv[3])));
  return Usage();
}
