#include "app/tablist/tab_list.h"

#include <algorithm>
#include <numeric>

#include "app/tablist/tab_columns.h"

namespace qb {
namespace {

const std::string kNoText;

}  // namespace

int CompareSortTexts(std::string_view a, std::string_view b) {
  a = a.substr(0, std::min(a.size(), kSortCompareBytes));
  b = b.substr(0, std::min(b.size(), kSortCompareBytes));
  std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

CTabList::CTabList(TabKind kind) : kind_(kind) {
  directions_.fill(1);
  defaultDirections_.fill(1);
  setUpColumns();
}

void CTabList::setUpColumns() {
  columnCaptions_.clear();
  for (const TabColumn& column : TabColumns(kind_)) {
    columnCaptions_.emplace_back(column.caption);
  }
}

const std::string& CTabList::text(int rowIndex, int column) const {
  if (rowIndex < 0 || rowIndex >= rowCount()) return kNoText;
  const TabRow& r = rows_[static_cast<std::size_t>(rowIndex)];
  if (column < 0 || column >= static_cast<int>(r.columns.size())) return kNoText;
  return r.columns[static_cast<std::size_t>(column)];
}

void CTabList::setText(int rowIndex, int column, std::string text) {
  if (rowIndex < 0 || rowIndex >= rowCount() || column < 0 || column >= columnCount()) return;
  rows_[static_cast<std::size_t>(rowIndex)].columns[static_cast<std::size_t>(column)] =
      std::move(text);
  ++revision_;
}

void CTabList::setExactShown(int rowIndex, std::string text) {
  if (rowIndex < 0 || rowIndex >= rowCount()) return;
  rows_[static_cast<std::size_t>(rowIndex)].exactShown = std::move(text);
  ++revision_;
}

void CTabList::setImage(int rowIndex, int image) {
  if (rowIndex >= 0 && rowIndex < rowCount()) rows_[static_cast<std::size_t>(rowIndex)].image = image;
}

void CTabList::insertRow(int index, TabRow row) {
  row.columns.resize(columnCaptions_.size());
  index = std::clamp(index, 0, rowCount());
  rows_.insert(rows_.begin() + index, std::move(row));
  ++revision_;
  if (selected_ >= index) ++selected_;
}

void CTabList::removeRow(int index) {
  if (index < 0 || index >= rowCount()) return;
  rows_.erase(rows_.begin() + index);
  ++revision_;
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void CTabList::removeAllRows() {
  rows_.clear();
  ++revision_;
  selected_ = -1;
  rowToShow_ = -1;
}

void CTabList::select(int rowIndex) {
  selected_ = rowIndex >= 0 && rowIndex < rowCount() ? rowIndex : -1;
}

int CTabList::direction(int column) const {
  return column >= 0 && column < kSortFlagCount ? directions_[static_cast<std::size_t>(column)]
                                                  : 1;
}

void CTabList::setDefaultDirection(int column, int direction) {
  if (column < 0 || column >= kSortFlagCount) return;
  defaultDirections_[static_cast<std::size_t>(column)] = direction;
  directions_[static_cast<std::size_t>(column)] = direction;
}

void CTabList::sortByCommand(int column) {
  if (column < 0 || column >= kSortFlagCount) return;
  if (column == lastCommandColumn_) {
    int& flag = directions_[static_cast<std::size_t>(column)];
    flag = flag == 1 ? 0 : 1;
  }
  for (int other = 0; other < kSortFlagCount; ++other) {
    if (other != column) {
      directions_[static_cast<std::size_t>(other)] =
          defaultDirections_[static_cast<std::size_t>(other)];
    }
  }
  sortColumn_ = column;
  lastCommandColumn_ = column;
  sortRows();
}

void CTabList::sortAgain() { sortRows(); }

void CTabList::sortRows() {
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  const int column = sortColumn_;
  const bool ascending = direction(column) == 1;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    int compared = CompareSortTexts(text(static_cast<int>(a), column), text(static_cast<int>(b), column));
    return ascending ? compared < 0 : compared > 0;
  });
  std::vector<TabRow> sorted;
  sorted.reserve(rows_.size());
  int newSelected = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int>(order[i]) == selected_) newSelected = static_cast<int>(i);
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  ++revision_;
  selected_ = newSelected;
}

}  // namespace qb
