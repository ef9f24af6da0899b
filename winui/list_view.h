// A report-style list view that shows a CTabList without copying it: the control is virtual
// (LVS_OWNERDATA) and asks for the texts of the rows it draws, so the row table is the index.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

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
  // The rows, the selection and the row to show changed.
  void refresh();
  void move(const RECT& area);
  // The selected row of the control, -1 for none; also written into the list.
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

  HWND control_ = nullptr;
  int id_ = 0;
  CTabList* list_ = nullptr;
  Events events_;
  bool singleClick_ = true;
  std::wstring textBuffer_;
};

}  // namespace qb::winui
