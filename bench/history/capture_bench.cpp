// One clipboard capture into a full History of 500 items with duplicate removal, on the
// in-memory file system, against the bare write of one item file. The counter
// "ratio_to_bare_write" is the capture's cost in bare writes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

#include "app/settings/environment_settings.h"
#include "base/byte_shift.h"
#include "history/capture_controller.h"
#include "history/store_folders.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

namespace qb {
namespace {

constexpr char kHome[] = "C:\\QB\\bench\\";
constexpr int kItems = 500;

// Texts of one length, so that every row passes the size test and its value is compared.
std::string Text(int n) {
  char text[64];
  std::snprintf(text, sizeof text, "コピーした値 %08d の本文です", n);
  return text;
}

struct NoChain : ClipboardChain {
  void join() override {}
  void leave() override {}
};

// <chrono> cannot be compiled with the Shift-JIS execution character set (its "µs").
double NowNanoseconds() {
  std::timespec now{};
  std::timespec_get(&now, TIME_UTC);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

double BareWriteNanoseconds(FakeFileSystem& fs) {
  const std::string record = ShiftBytesUp("00000000:::bench:::001: :::0:::" + Text(0));
  constexpr int kWrites = 2000;
  const double start = NowNanoseconds();
  for (int i = 0; i < kWrites; ++i) {
    benchmark::DoNotOptimize(fs.writeNew("C:\\QB\\bench\\clipsave\\SAVE9999.cln", record));
  }
  return (NowNanoseconds() - start) / kWrites;
}

void BM_CaptureAt500WithDuplicateRemoval(benchmark::State& state) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  FakeClipboard clipboard;
  EnvironmentSettings settings;
  settings.RirekiDuplicate = 1;
  fs.putFolder("C:\\QB\\bench");
  CreateStoreFolders(fs, ui, kHome);
  CHistoryList history(fs, clock, ui, settings, {kHome, "bench", nullptr});
  history.load(kItems);
  for (int n = 1; n <= kItems; ++n) history.m_FileAdd(Text(n));
  StackItemWriter stack(fs, clock, ui);
  CaptureHandOffs handOffs;
  NoChain chain;
  CaptureController capture({clipboard, clock, ui, settings, history, stack, handOffs, chain, kHome});
  capture.setViewReady(true);

  const double bare = BareWriteNanoseconds(fs);
  int next = kItems + 1;
  double captureNanoseconds = 0;
  for (auto _ : state) {
    clipboard.putText(Text(next++));
    clock.advance(1000);
    const double start = NowNanoseconds();
    capture.onClipboardChanged();
    captureNanoseconds += NowNanoseconds() - start;
  }
  state.counters["ratio_to_bare_write"] =
      captureNanoseconds / static_cast<double>(state.iterations()) / bare;
  state.counters["bare_write_ns"] = bare;
  if (history.rowCount() != kItems) state.SkipWithError("the History did not stay full");
}
BENCHMARK(BM_CaptureAt500WithDuplicateRemoval)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qb
