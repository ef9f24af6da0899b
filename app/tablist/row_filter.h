// Narrows the rows a list view shows to those whose label or whole value contains every word the
// user typed (folded as in search_fold.h). The list itself is never changed: the filter keeps the
// indexes of the matching rows in the list's order, and the view maps its rows through it, so
// every command on a shown row acts on that row of the list.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/tablist/tab_list.h"

namespace qb {

class RowFilter {
 public:
  // The query as typed (Shift-JIS); an empty query or one of spaces only shows every row.
  void setQuery(std::string_view query);
  const std::string& query() const { return query_; }
  bool active() const { return !words_.empty(); }
  // Brings the shown rows up to date with the list and the query: one scan of the rows' folded
  // texts when either changed, nothing otherwise. Whole values are read (through the list's
  // get-value hook) only for rows not seen before or changed since.
  void update(CTabList& list);
  // Forgets the rows seen so far (another list is shown).
  void clear();

  int shownCount() const { return static_cast<int>(shown_.size()); }
  // The list row of a shown row, -1 outside.
  int listRow(int shown) const;
  // The shown row of a list row, -1 when it is filtered out.
  int shownRow(int listRow) const;

 private:
  const std::u16string& searchText(CTabList& list, int row);
  bool matches(const std::u16string& text) const;

  std::string query_;
  std::vector<std::u16string> words_;
  std::vector<int> shown_;
  const CTabList* list_ = nullptr;
  std::uint64_t revision_ = 0;
  bool stale_ = true;
  // Folded label and whole value by the row's texts, for the rows of the last update.
  std::unordered_map<std::string, std::u16string> texts_;
  std::unordered_map<std::string, std::u16string> nextTexts_;
  // The folded text of each row of the list at `revision_` (pointers into `texts_`).
  std::vector<const std::u16string*> rowTexts_;
};

}  // namespace qb
