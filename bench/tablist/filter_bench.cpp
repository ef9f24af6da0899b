// One keystroke in the filter field: the shown rows brought up to date for a query one character
// longer, over 500 History items and 1000 saved phrases (1500 rows of one list, values of mixed
// length, some far longer than the preview), and over a linked file of 5000 lines. The values are
// read once when the filter opens; each keystroke is one scan of the folded texts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/tablist/row_filter.h"

namespace qb {
namespace {

class BenchList : public CTabList {
 public:
  explicit BenchList(TabKind kind) : CTabList(kind) {}
  void add(std::string label, std::string value) {
    TabRow row;
    row.columns = {std::move(label), value.substr(0, 150), "", "F" + std::to_string(rowCount())};
    values_.push_back(std::move(value));
    insertRow(rowCount(), std::move(row));
  }
  int getValue(int row, std::string& value) override {
    value = values_[static_cast<std::size_t>(std::stoi(text(row, 3).substr(1)))];
    return 0;
  }

 private:
  std::vector<std::string> values_;
};

std::string Phrase(int i) {
  std::string text = "お世話になっております。請求書 No." + std::to_string(i) + " をお送りします。";
  // Every tenth value is a long one (a pasted document of about 20 KB).
  if (i % 10 == 0) {
    for (int repeat = 0; repeat < 300; ++repeat) text += "ご確認のほどよろしくお願い申し上げます。";
  }
  return text;
}

void BM_KeystrokeOverStores(benchmark::State& state) {
  BenchList list(TabKind::kSave);
  for (int i = 0; i < 1500; ++i) list.add("ラベル" + std::to_string(i), Phrase(i));
  RowFilter filter;
  filter.setQuery("請求");
  filter.update(list);  // the filter opens: every value read and folded once
  const std::string queries[] = {"請求 1", "請求 12", "請求 123", "請求 12"};
  std::size_t next = 0;
  for (auto _ : state) {
    filter.setQuery(queries[next++ % 4]);
    filter.update(list);
    benchmark::DoNotOptimize(filter.shownCount());
  }
}
BENCHMARK(BM_KeystrokeOverStores)->Unit(benchmark::kMillisecond);

void BM_KeystrokeOverLinkedFile(benchmark::State& state) {
  BenchList list(TabKind::kRelated);
  for (int i = 0; i < 5000; ++i) list.add("件名" + std::to_string(i), "よろしくお願いします " + std::to_string(i));
  RowFilter filter;
  filter.setQuery("よろしく");
  filter.update(list);
  const std::string queries[] = {"ｶﾞ 4", "よろしく 49", "ﾖﾛｼｸ 499", "件名 49"};
  std::size_t next = 0;
  for (auto _ : state) {
    filter.setQuery(queries[next++ % 4]);
    filter.update(list);
    benchmark::DoNotOptimize(filter.shownCount());
  }
}
BENCHMARK(BM_KeystrokeOverLinkedFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
