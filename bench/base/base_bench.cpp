// base/ throughput over a maximum-size value (512000 bytes of mixed ASCII, Shift-JIS and ":::").
#include <benchmark/benchmark.h>

#include <string>

#include "base/byte_shift.h"
#include "base/records.h"
#include "base/sjis.h"
#include "base/text_limits.h"

namespace {

const std::string& MixedText() {
  static const std::string text = [] {
    // ASCII, "表示ソ" (0x5C trail bytes), half-width katakana, a field separator.
    const std::string piece = std::string("item 42 ") + "\x95\x5C\x8E\xA6\x83\x5C" + "\xB1\xB2" + ":::";
    std::string out;
    out.reserve(qb::kMaxValueBytes);
    while (out.size() + piece.size() <= qb::kMaxValueBytes) out += piece;
    out.append(qb::kMaxValueBytes - out.size(), 'x');
    return out;
  }();
  return text;
}

void BM_SjisCharCount(benchmark::State& state) {
  const std::string& text = MixedText();
  for (auto _ : state) benchmark::DoNotOptimize(qb::SjisCharCount(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_SjisCharCount);

void BM_SplitFields(benchmark::State& state) {
  const std::string& text = MixedText();
  const auto maxFields = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(qb::SplitFields(text, maxFields));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_SplitFields)->Arg(0)->Arg(8);

void BM_ShiftBytesUp(benchmark::State& state) {
  const std::string& text = MixedText();
  for (auto _ : state) benchmark::DoNotOptimize(qb::ShiftBytesUp(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_ShiftBytesUp);

void BM_ShiftBytesInPlace(benchmark::State& state) {
  std::string bytes = MixedText();
  for (auto _ : state) {
    qb::ShiftBytesDownInPlace(bytes);
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes.size());
}
BENCHMARK(BM_ShiftBytesInPlace);

}  // namespace
