#include "app/tablist/row_filter.h"

#include <algorithm>

#include "app/tablist/search_fold.h"
#include "app/tablist/tab_columns.h"

namespace qb {
namespace {

// A row's texts joined: equal keys mean an unchanged row (its file name, times and size, or
// the value it holds), so its folded text can be kept.
std::string RowKey(const TabRow& row) {
  std::string key;
  for (const std::string& column : row.columns) {
    key += column;
    key += '\x1f';
  }
  return key;
}

}  // namespace

void RowFilter::setQuery(std::string_view query) {
  if (query == query_) return;
  query_ = std::string(query);
  words_ = FoldedQueryWords(query);
  stale_ = true;
}

void RowFilter::clear() {
  list_ = nullptr;
  texts_.clear();
  rowTexts_.clear();
  shown_.clear();
  stale_ = true;
}

void RowFilter::update(CTabList& list) {
  if (&list != list_) {
    clear();
    list_ = &list;
  }
  const bool rowsChanged = revision_ != list.revision() ||
                           rowTexts_.size() != static_cast<std::size_t>(list.rowCount());
  if (!stale_ && !rowsChanged) return;
  shown_.clear();
  if (!active()) {
    // Nothing narrows the list: the folded texts are read again when a query comes.
    texts_.clear();
    rowTexts_.clear();
    stale_ = false;
    return;
  }
  if (rowsChanged) {
    // Rows whose texts did not change keep their folded text; the others are read again.
    nextTexts_.clear();
    rowTexts_.clear();
    for (int row = 0; row < list.rowCount(); ++row) rowTexts_.push_back(&searchText(list, row));
    texts_.swap(nextTexts_);
    nextTexts_.clear();
    revision_ = list.revision();
  }
  for (std::size_t row = 0; row < rowTexts_.size(); ++row) {
    if (matches(*rowTexts_[row])) shown_.push_back(static_cast<int>(row));
  }
  stale_ = false;
}

const std::u16string& RowFilter::searchText(CTabList& list, int row) {
  std::string key = RowKey(list.row(row));
  if (auto kept = texts_.find(key); kept != texts_.end()) {
    return nextTexts_.emplace(std::move(key), std::move(kept->second)).first->second;
  }
  std::string value;
  list.getValue(row, value);
  // The History's first column is its marker image; every other tab has its label there.
  const std::string& label =
      list.kind() == TabKind::kHistory ? std::string() : list.text(row, common_column::kLabel);
  std::u16string text = FoldForSearch(label);
  text.push_back(u'\n');
  text += FoldForSearch(value);
  return nextTexts_.emplace(std::move(key), std::move(text)).first->second;
}

bool RowFilter::matches(const std::u16string& text) const {
  return std::all_of(words_.begin(), words_.end(), [&](const std::u16string& word) {
    return text.find(word) != std::u16string::npos;
  });
}

int RowFilter::listRow(int shown) const {
  if (!active()) return shown;
  return shown >= 0 && shown < shownCount() ? shown_[static_cast<std::size_t>(shown)] : -1;
}

int RowFilter::shownRow(int listRow) const {
  if (!active()) return listRow;
  auto at = std::lower_bound(shown_.begin(), shown_.end(), listRow);
  return at != shown_.end() && *at == listRow ? static_cast<int>(at - shown_.begin()) : -1;
}

}  // namespace qb
