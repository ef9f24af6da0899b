// The base of the seven tab lists. A list owns its rows (column texts in the tab's column order,
// hidden columns included), its sort state and its selection, and declares the hooks the main
// window calls on whichever tab is current. A hook a tab does not override does nothing and
// returns 0, so the window never asks which tab it talks to.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/tablist/menu_model.h"
#include "app/tablist/tab_kind.h"
#include "app/tablist/tab_menu.h"

namespace qb {

struct TabRow {
  std::vector<std::string> columns;
  int image = -1;  // the row's marker image; -1 for none
  // The "値" column in UTF-8 when the item keeps the exact form of a text that code page 932
  // cannot hold (history/exact_companion.h); the list shows it instead of the column. Empty
  // otherwise.
  std::string exactShown;
};

enum class ImportKind { kFileName, kFullPath, kContents };

inline constexpr int kSortFlagCount = 20;
// Sort texts are compared on their first 149 bytes.
inline constexpr std::size_t kSortCompareBytes = 149;

class CTabList {
 public:
  explicit CTabList(TabKind kind);
  virtual ~CTabList() = default;
  CTabList(const CTabList&) = delete;
  CTabList& operator=(const CTabList&) = delete;

  TabKind kind() const { return kind_; }
  int tabNumber() const { return static_cast<int>(kind_); }
  int columnCount() const { return static_cast<int>(columnCaptions_.size()); }
  const std::vector<std::string>& columnCaptions() const { return columnCaptions_; }

  // Rows.
  int rowCount() const { return static_cast<int>(rows_.size()); }
  const TabRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
  // Empty for a row or column out of range.
  const std::string& text(int rowIndex, int column) const;
  void setText(int rowIndex, int column, std::string text);
  void setImage(int rowIndex, int image);
  void setExactShown(int rowIndex, std::string text);
  // A row has exactly columnCount() texts; missing ones are added empty.
  void insertRow(int index, TabRow row);
  void removeRow(int index);
  void removeAllRows();
  // Counts every change of the rows (texts, order, insertions, removals): a view that keeps
  // something derived from the rows knows when to derive it again.
  std::uint64_t revision() const { return revision_; }

  // The selected (and focused) row, -1 for none; the row the view should scroll into sight.
  int selectedRow() const { return selected_; }
  void select(int rowIndex);
  int rowToShow() const { return rowToShow_; }
  void showRow(int rowIndex) { rowToShow_ = rowIndex; }

  // The store's maximum number of items (0 where the tab has none).
  int maximumCount() const { return maximumCount_; }
  void setMaximumCount(int maximum) { maximumCount_ = maximum; }

  // Sorting. A sort command names a column: it becomes the current sort column, every other
  // column's direction returns to its default, and choosing the same column again reverses it.
  void sortByCommand(int column);
  // Sorts again by the current sort column without changing any direction.
  void sortAgain();
  int sortColumn() const { return sortColumn_; }
  // 1 ascending, 0 descending.
  int direction(int column) const;
  void setDefaultDirection(int column, int direction);
  void setSortingSuspended(bool suspended) { sortingSuspended_ = suspended; }
  bool sortingSuspended() const { return sortingSuspended_; }

  // ---- Hooks, in slot order. ----
  // 11: refuses an item written by a newer version; 0 when the row may be used.
  virtual int checkVersion(int /*row*/) { return 0; }
  // 15: stores a plan's stack output.
  virtual int storeStackOutput(int /*group*/, std::string_view /*label*/,
                               std::string_view /*text*/) {
    return 0;
  }
  // 18: sorts again by the current sort column.
  virtual void reSort() {}
  // 19: a value of the row was pasted or copied (bulk pastes are kinds 4-7).
  virtual int afterValueUsed(int /*row*/, bool /*bulkPaste*/) { return 0; }
  // 29: the list is about to show another group.
  virtual void switchGroup(int /*group*/) {}
  // 33: the whole value of a row, read from its item file where the row does not hold it.
  virtual int getValue(int /*row*/, std::string& value) {
    value.clear();
    return 0;
  }
  // 44: deletes every item and its file.
  virtual int m_AllDel() { return 0; }
  // 46: creates a new item.
  virtual int newItem() { return 0; }
  // 47: fills the list from a folder, up to `maximum` items.
  virtual int loadGroup(std::string_view /*folder*/, int /*maximum*/) { return 0; }
  // 48: inserts the tab's columns.
  virtual void setUpColumns();
  // 53: joins the selected row's value with the rows above it into a new item.
  virtual int joinLines(bool /*withBreaks*/) { return 0; }
  // 55: splits the selected value into one new item per line.
  virtual int splitLines(bool /*withBreaks*/) { return 0; }
  // 57: the tab's context menu, prepared for the current settings.
  virtual MenuModel loadMenu(const TabMenuContext& /*context*/) { return {}; }
  // 59: adds a file's name, full path or contents as a new item.
  virtual int importFile(ImportKind /*kind*/, std::string_view /*path*/) { return 0; }
  // 60: removes older items equal to the new one at the top.
  virtual int removeDuplicates(std::string_view /*text*/, std::size_t /*length*/) { return 0; }
  // 61: hands the row's label and value to the Shared tab.
  virtual int copyToShared(int /*row*/) { return 0; }
  // 62: stores the row in another group, then deletes it here.
  virtual int moveToGroup(int /*row*/, int /*group*/) { return 0; }
  // 63: after an item changed: sorts again unless the order is creation order or suspended.
  virtual void afterChange() {}
  // 64: changes the selected item.
  virtual int m_Update(int /*row*/) { return 0; }
  // 67: copies the row to save group 0-9.
  virtual int copyToSaveGroup(int /*row*/, int /*group*/) { return 0; }
  // 68: deletes the row and its item file.
  virtual int m_Dell(int /*row*/) { return 0; }
  // 69: stores a new item: its file and its row.
  virtual int m_FileAdd(std::string_view /*value*/) { return 0; }
  // The exact form (UTF-8) of the row's whole value when code page 932 cannot hold it; empty when
  // the value is exact as it is. 0, or -1 when the row cannot be read.
  virtual int exactValue(int /*row*/, std::string& exact) {
    exact.clear();
    return 0;
  }
  // 70: the text a paste or copy of the row uses.
  virtual int valueForUse(int row, std::string& value) { return getValue(row, value); }

 protected:
  // The column that sorts first when the list is created, and its direction flags.
  void setInitialSortColumn(int column) { sortColumn_ = column; }

 private:
  void sortRows();

  TabKind kind_;
  std::vector<std::string> columnCaptions_;
  std::vector<TabRow> rows_;
  std::uint64_t revision_ = 0;
  int selected_ = -1;
  int rowToShow_ = -1;
  int maximumCount_ = 0;
  int sortColumn_ = 1;
  int lastCommandColumn_ = -1;  // the column of the last sort command
  bool sortingSuspended_ = false;
  std::array<int, kSortFlagCount> directions_{};
  std::array<int, kSortFlagCount> defaultDirections_{};
};

// The byte comparison the lists sort by: the first 149 bytes of each text, unsigned.
int CompareSortTexts(std::string_view a, std::string_view b);

}  // namespace qb
