// A report-style list view that shows a CTabList without copying it: the control is virtual
// (LVS_OWNERDATA) and asks for the texts of the rows it draws, so the row table is the index.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "app/tablist/row_filter.h"
#include "app/tablist/tab_list.h"

namespace qb::winui {

class VirtualListView {
 public:
  struct Events {
    std::function<void(int row)> activated;      // click (single-click mode), double click, Enter
    std::function<void(int row, POINT screen)> contextMenu;  // right click; row -1 on the empty area
    std::function<void(int row)> selectionChanged;
    // A key pressed in the list; true when it was used (Enter activates the row otherwise).
    std::function<bool(UINT key)> keyDown;
    // A row dragged and dropped onto the place of another row.
    std::function<void(int from, int to)> rowDragged;
  };

  bool create(HWND parent, int id, HFONT font, Events events);
  HWND handle() const { return control_; }

  // Shows another list (its columns and rows).
  void show(CTabList* list);
  // Shows only the rows the filter lets through; every row the events report is a row of the
  // list. Dragging rows is off while the filter narrows the list.
  void setFilter(RowFilter* filter) { filter_ = filter; }
  // The rows, the selection and the row to show changed.
  void refresh();
  void move(const RECT& area);
  // The list row selected in the control, -1 for none.
  int selectedRow() const;
  // True when the notification was the list view's.
  bool handleNotify(const NMHDR& header, LRESULT& result);
  // The images of the marker column (row image numbers index into it).
  void setImages(HIMAGELIST images);
  // The text and background colours of the rows.
  void setColours(COLORREF text, COLORREF background);
  // A single click activates a row (else a double click does).
  void setSingleClick(bool single) { singleClick_ = single; }

 private:
  void setColumns();
  void fillItem(NMLVDISPINFOW& info);
  void syncSelection();
  void dragRow(int from);
  int listRow(int shown) const { return filter_ ? filter_->listRow(shown) : shown; }
  int shownRow(int row) const { return filter_ ? filter_->shownRow(row) : row; }
  bool filtering() const { return filter_ && filter_->active(); }

  HWND control_ = nullptr;
  int id_ = 0;
  CTabList* list_ = nullptr;
  RowFilter* filter_ = nullptr;
  Events events_;
  bool singleClick_ = true;
  std::wstring textBuffer_;
};

}  // namespace qb::winui
