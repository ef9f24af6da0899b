#include "app/win32/tab_panel.h"

#include <shellapi.h>

#include "platform/win32/text_conversion.h"
#include "winui/popup_menu.h"

namespace qb {
namespace {

constexpr wchar_t kPanelClass[] = L"QuillboxTabPanel";
constexpr int kBarHeight = 24;
constexpr int kGap = 2;

COLORREF OrSystem(const std::optional<std::uint32_t>& color, int systemColor) {
  return color ? static_cast<COLORREF>(*color) : GetSysColor(systemColor);
}

}  // namespace

TabPanel::~TabPanel() = default;

bool TabPanel::createPanel(HINSTANCE instance, HWND parent, int panelId, HFONT font, int comboId,
                           int comboWidth, std::vector<BarButton> buttons, int listId,
                           int explanationId) {
  instance_ = instance;
  font_ = font;
  comboWidth_ = comboWidth;
  winui::WindowOptions options{kPanelClass};
  options.style = WS_CHILD | WS_CLIPCHILDREN;
  options.exStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
  options.rect = {0, 0, 10, 10};
  options.parent = parent;
  if (!winui::Window::create(instance, options)) return false;
  SetWindowLongPtrW(handle(), GWLP_ID, panelId);
  combo_ = CreateWindowExW(0, WC_COMBOBOXW, L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                           comboWidth, 300, handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(comboId)), instance, nullptr);
  SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const BarButton& button : buttons) {
    HWND control = CreateWindowExW(0, WC_BUTTONW, SjisToWide(button.caption).c_str(),
                                   WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 10, 10, handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                                   instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    buttons_.emplace_back(button, control);
  }
  list_.create(handle(), listId, font,
               {[this](int row) { onRowActivated(row); },
                [this](int row, POINT where) { onRowMenu(row, where); }, nullptr});
  explanation_ = CreateWindowExW(0, WC_EDITW, L"",
                                 WS_CHILD | ES_MULTILINE | ES_READONLY | WS_VSCROLL, 0, 0, 10, 10,
                                 handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(explanationId)),
                                 instance, nullptr);
  SendMessageW(explanation_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return true;
}

void TabPanel::move(const RECT& area) {
  area_ = area;
  MoveWindow(handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  layout();
}

void TabPanel::layout() {
  RECT client{};
  GetClientRect(handle(), &client);
  MoveWindow(combo_, kGap, kGap, comboWidth_, 300, TRUE);
  int x = kGap + comboWidth_ + kGap;
  for (auto& [button, control] : buttons_) {
    MoveWindow(control, x, kGap, button.width, kBarHeight - 2 * kGap, TRUE);
    x += button.width + kGap;
  }
  const RECT listArea{0, kBarHeight, client.right, client.bottom};
  list_.move(listArea);
  MoveWindow(explanation_, listArea.left, listArea.top, listArea.right - listArea.left,
             listArea.bottom - listArea.top, TRUE);
}

void TabPanel::setShown(bool shown) { ShowWindow(handle(), shown ? SW_SHOW : SW_HIDE); }

void TabPanel::setComboEntries(const std::vector<std::string>& entries, int selected) {
  SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) {
    SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(entry).c_str()));
  }
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void TabPanel::showLook(const ListColors& colors, int labelWidth, const std::string& explanation) {
  HWND list = list_.handle();
  const COLORREF background = OrSystem(colors.background, COLOR_WINDOW);
  ListView_SetBkColor(list, background);
  ListView_SetTextBkColor(list, background);
  ListView_SetTextColor(list, OrSystem(colors.text, COLOR_WINDOWTEXT));
  ListView_SetColumnWidth(list, 0, labelWidth);
  const bool explain = !explanation.empty() && ListView_GetItemCount(list) == 0;
  if (explain) SetWindowTextW(explanation_, SjisToWide(explanation).c_str());
  ShowWindow(explanation_, explain ? SW_SHOW : SW_HIDE);
  ShowWindow(list, explain ? SW_HIDE : SW_SHOW);
  explanationShown_ = explain;
  InvalidateRect(list, nullptr, TRUE);
}

int TabPanel::labelColumnWidth() const { return ListView_GetColumnWidth(list_.handle(), 0); }

POINT TabPanel::belowButton(int id) const {
  RECT rect{};
  GetWindowRect(GetDlgItem(handle(), id), &rect);
  return {rect.left, rect.bottom};
}

int TabPanel::trackMenu(const MenuModel& menu, POINT where) const {
  return winui::TrackMenu(GetParent(handle()), menu, where);
}

LRESULT TabPanel::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_COMMAND:
      onBarCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DROPFILES:
      onDrop(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_LBUTTONUP:
      if (dragFrom_ >= 0) endDrag(true);
      return 0;
    case WM_CAPTURECHANGED:
      if (dragFrom_ >= 0 && reinterpret_cast<HWND>(lParam) != handle()) endDrag(false);
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == explanation_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      return winui::Window::onMessage(message, wParam, lParam);
    default:
      return winui::Window::onMessage(message, wParam, lParam);
  }
}

LRESULT TabPanel::onNotify(const NMHDR& header) {
  if (header.hwndFrom == list_.handle()) {
    if (header.code == LVN_KEYDOWN) {
      const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
      if (key != VK_RETURN && onListKey(key)) return 0;
    } else if (header.code == LVN_BEGINDRAG && canDragRows()) {
      dragFrom_ = reinterpret_cast<const NMLISTVIEW&>(header).iItem;
      SetCapture(handle());
      return 0;
    }
  }
  LRESULT result = 0;
  list_.handleNotify(header, result);
  return result;
}

void TabPanel::endDrag(bool drop) {
  const int from = dragFrom_;
  dragFrom_ = -1;
  if (GetCapture() == handle()) ReleaseCapture();
  if (!drop) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(list_.handle(), &cursor);
  LVHITTESTINFO hit{};
  hit.pt = cursor;
  int to = ListView_HitTest(list_.handle(), &hit);
  if (to < 0 && cursor.y > 0) to = ListView_GetItemCount(list_.handle()) - 1;
  if (to >= 0 && to != from) onRowDragged(from, to);
}

void TabPanel::onDrop(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()));
    path.resize(path.size() - 1);
    std::optional<std::string> sjis = WideToSjisExact(path);
    // A name code page 932 cannot hold cannot be read back: it counts as no valid file.
    paths.push_back(sjis ? *sjis : std::string());
  }
  DragFinish(drop);
  onFilesDropped(paths);
}

}  // namespace qb
