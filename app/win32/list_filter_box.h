// The field in which the user narrows the current tab's list by typing ("絞込", F3). Each change
// of its text sets the filter's query; Enter asks for the first shown row to be used, Esc closes
// the field, ↓ goes to the list.
#pragma once
#include <windows.h>

#include <functional>

#include "app/tablist/row_filter.h"

namespace qb {

class ListFilterBox {
 public:
  struct Events {
    std::function<void()> queryChanged;  // the shown rows are to be brought up to date
    std::function<void()> enter;
    std::function<void()> escape;
    std::function<void()> down;
  };

  ListFilterBox() = default;
  ListFilterBox(const ListFilterBox&) = delete;
  ListFilterBox& operator=(const ListFilterBox&) = delete;

  void create(HWND parent, HFONT font, int id, Events events);
  int id() const { return id_; }
  RowFilter& filter() { return filter_; }
  bool isOpen() const { return open_; }
  // Shows the field with the caret in it (or, open already, selects its text).
  void open();
  // Empties and hides the field: every row is shown again.
  void close();
  // The field's text changed (EN_CHANGE).
  void onTextChanged();
  void move(const RECT& area);

 private:
  static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self);
  bool onKey(WPARAM key);

  HWND edit_ = nullptr;
  int id_ = 0;
  bool open_ = false;
  Events events_;
  RowFilter filter_;
};

}  // namespace qb
