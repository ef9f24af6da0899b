#include "winui/list_view.h"

#include "app/tablist/tab_columns.h"
#include "platform/win32/text_conversion.h"

namespace qb::winui {
namespace {

int PointX(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int PointY(LPARAM value) { return static_cast<short>(HIWORD(value)); }

}  // namespace

bool VirtualListView::create(HWND parent, int id, HFONT font, Events events) {
  id_ = id;
  events_ = std::move(events);
  control_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                                 LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER,
                             0, 0, 100, 100, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                             nullptr);
  if (!control_) return false;
  if (font) SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  ListView_SetExtendedListViewStyle(control_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  return true;
}

void VirtualListView::show(CTabList* list) {
  list_ = list;
  setColumns();
  refresh();
}

void VirtualListView::setColumns() {
  while (ListView_DeleteColumn(control_, 0)) {
  }
  if (!list_) return;
  int index = 0;
  for (const TabColumn& column : TabColumns(list_->kind())) {
    std::wstring caption = SjisToWide(column.caption);
    LVCOLUMNW lvColumn{};
    lvColumn.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvColumn.pszText = caption.data();
    lvColumn.cx = column.width;
    lvColumn.iSubItem = index;
    ListView_InsertColumn(control_, index, &lvColumn);
    ++index;
  }
}

void VirtualListView::refresh() {
  if (!control_) return;
  if (list_ && filter_) filter_->update(*list_);
  int count = !list_ ? 0 : filtering() ? filter_->shownCount() : list_->rowCount();
  ListView_SetItemCountEx(control_, count, LVSICF_NOSCROLL);
  int selected = list_ ? shownRow(list_->selectedRow()) : -1;
  ListView_SetItemState(control_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (selected >= 0) {
    ListView_SetItemState(control_, selected, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
  }
  if (list_ && list_->rowToShow() >= 0) {
    const int shown = shownRow(list_->rowToShow());
    if (shown >= 0) ListView_EnsureVisible(control_, shown, FALSE);
    list_->showRow(-1);
  }
  InvalidateRect(control_, nullptr, FALSE);
}

void VirtualListView::move(const RECT& area) {
  MoveWindow(control_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

int VirtualListView::selectedRow() const {
  return control_ ? listRow(ListView_GetNextItem(control_, -1, LVNI_SELECTED)) : -1;
}

void VirtualListView::syncSelection() {
  if (list_) list_->select(selectedRow());
}

void VirtualListView::setColours(COLORREF text, COLORREF background) {
  ListView_SetBkColor(control_, background);
  ListView_SetTextBkColor(control_, background);
  ListView_SetTextColor(control_, text);
  InvalidateRect(control_, nullptr, TRUE);
}

// Follows the mouse until the button is released (the control keeps the capture), then reports
// the row under the pointer; a drop outside the rows or on the dragged row itself is no move.
void VirtualListView::dragRow(int from) {
  if (from < 0) return;
  SetCapture(control_);
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
  MSG message;
  bool dropped = false;
  POINT where{};
  while (GetCapture() == control_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_LBUTTONUP) {
      dropped = true;
      where = {PointX(message.lParam), PointY(message.lParam)};
      if (message.hwnd != control_) MapWindowPoints(message.hwnd, control_, &where, 1);
      break;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  ReleaseCapture();
  SetCursor(previous);
  if (!dropped) return;
  LVHITTESTINFO hit{};
  hit.pt = where;
  const int to = ListView_HitTest(control_, &hit);
  if (to >= 0 && to != from && events_.rowDragged) events_.rowDragged(listRow(from), listRow(to));
}

void VirtualListView::setImages(HIMAGELIST images) {
  ListView_SetImageList(control_, images, LVSIL_SMALL);
}

void VirtualListView::fillItem(NMLVDISPINFOW& info) {
  if (!list_) return;
  const int row = listRow(info.item.iItem);
  if ((info.item.mask & LVIF_IMAGE) && info.item.iSubItem == 0) {
    info.item.iImage = row >= 0 && row < list_->rowCount() ? list_->row(row).image : -1;
  }
  if (!(info.item.mask & LVIF_TEXT)) return;
  // A value that code page 932 cannot hold is shown in its exact form.
  const bool exact = info.item.iSubItem == common_column::kValue && row >= 0 &&
                     row < list_->rowCount() && !list_->row(row).exactShown.empty();
  textBuffer_ = exact ? Utf8ToWide(list_->row(row).exactShown)
                      : SjisToWide(list_->text(row, info.item.iSubItem));
  lstrcpynW(info.item.pszText, textBuffer_.c_str(), info.item.cchTextMax);
}

bool VirtualListView::handleNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != control_) return false;
  result = 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      fillItem(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
      return true;
    case LVN_ITEMCHANGED:
      syncSelection();
      if (events_.selectionChanged) events_.selectionChanged(selectedRow());
      return true;
    case NM_CLICK:
    case NM_DBLCLK: {
      const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
      syncSelection();
      bool wanted = (header.code == NM_CLICK) == singleClick_;
      const int row = listRow(activate.iItem);
      if (wanted && row >= 0 && events_.activated) events_.activated(row);
      return true;
    }
    case NM_RCLICK: {
      const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
      syncSelection();
      POINT where = activate.ptAction;
      ClientToScreen(control_, &where);
      if (events_.contextMenu) events_.contextMenu(listRow(activate.iItem), where);
      return true;
    }
    case LVN_BEGINDRAG: {
      const auto& view = reinterpret_cast<const NMLISTVIEW&>(header);
      if (events_.rowDragged && !filtering()) dragRow(view.iItem);
      return true;
    }
    case LVN_KEYDOWN: {
      const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
      int row = selectedRow();
      if (events_.keyDown && events_.keyDown(key.wVKey)) return true;
      if (key.wVKey == VK_RETURN && row >= 0 && events_.activated) events_.activated(row);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace qb::winui
