#include "app/win32/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>

#include "app/shell/copy_data_router.h"
#include "app/win32/window_identity.h"
#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

constexpr int kTabButtonHeight = 24;

// The History's marker images: 0 a reused value (a filled dot), 1 one not used again (a ring).
HIMAGELIST MarkerImages() {
  constexpr int kSize = 10;
  HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 2, 0);
  HDC screen = GetDC(nullptr);
  for (int image = 0; image < 2; ++image) {
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, kSize, kSize};
    HBRUSH background = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(memory, &all, background);
    DeleteObject(background);
    HBRUSH fill = CreateSolidBrush(image == 0 ? RGB(40, 110, 220) : RGB(255, 255, 255));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(40, 110, 220));
    HGDIOBJ oldBrush = SelectObject(memory, fill);
    HGDIOBJ oldPen = SelectObject(memory, pen);
    Ellipse(memory, 1, 1, kSize - 1, kSize - 1);
    SelectObject(memory, oldBrush);
    SelectObject(memory, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);
    SelectObject(memory, old);
    ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
    DeleteDC(memory);
  }
  ReleaseDC(nullptr, screen);
  return images;
}
constexpr int kBarHeight = 24;
constexpr const char* kFrameToggleCaptions[] = {"絞込", "常に表示", "右側", "下部"};
constexpr int kFrameToggleWidths[] = {40, 60, 40, 40};
constexpr int kFrameToggleIds[] = {kFilterToggleId, kAlwaysOnTopId, kLinkRightId, kLinkBottomId};
// setToggle's indexes (0 always on top, 1 right, 2 bottom, 3 filter) in the order above.
constexpr int kToggleSlot[] = {1, 2, 3, 0};
constexpr UINT kFilterKey = VK_F3;
// The widths of the panes; the first takes the rest of the bar, the last reaches its end.
constexpr int kStatusPaneWidths[] = {220, 44, 70, 60, 40};
constexpr int kFrameTogglesWidth = 180;
constexpr int kMenuButtonWidth = 44;  // at the right end of the tab buttons' row

COLORREF OrSystem(const std::optional<std::uint32_t>& colour, int systemColour) {
  return colour ? static_cast<COLORREF>(*colour) : GetSysColor(systemColour);
}

}  // namespace

MainWindow::MainWindow(Handlers handlers, std::wstring fontName)
    : handlers_(std::move(handlers)), fontName_(std::move(fontName)) {}

bool MainWindow::create(HINSTANCE instance, const RECT& placement) {
  instance_ = instance;
  winui::WindowOptions options{kMainWindowClass};
  options.title = kMainWindowTitle;
  options.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  options.exStyle = WS_EX_TOOLWINDOW;
  options.rect = placement;
  options.icon = LoadIconW(instance, MAKEINTRESOURCEW(Win32TrayShell::kNormalIcon));
  return winui::Window::create(instance, options);
}

void MainWindow::requestClose() const {
  if (handle()) PostMessageW(handle(), WM_CLOSE, 0, 0);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      onCreate();
      return 0;
    case WM_SIZE:
      layout();
      return 0;
    case WM_CLIPBOARDUPDATE:
      if (handlers_.clipboardChanged && !closing_) handlers_.clipboardChanged();
      return 0;
    case WM_DRAWCLIPBOARD:
      if (nextViewer_) SendMessageW(nextViewer_, message, wParam, lParam);
      if (handlers_.clipboardChanged && !closing_) handlers_.clipboardChanged();
      return 0;
    case WM_CHANGECBCHAIN:
      return onChangeClipboardChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
    case kTrayCallbackMessage:
      onTrayCallback(lParam);
      return 0;
    case WM_NOTIFY:
      return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
      if (!closing_) onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (data == nullptr || !handlers_.copyData) return FALSE;
      std::optional<std::string_view> text =
          CopyDataRouter::CommandText(data->dwData, data->lpData, data->cbData);
      return text && handlers_.copyData(*text) ? TRUE : FALSE;
    }
    case WM_DROPFILES:
      onDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_TIMER:
      onTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_ACTIVATE:
      if (handlers_.activated && !closing_) handlers_.activated(LOWORD(wParam) != WA_INACTIVE);
      return winui::Window::onMessage(message, wParam, lParam);
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE && handlers_.closeBox) {
        if (!closing_) handlers_.closeBox();
        return 0;
      }
      return winui::Window::onMessage(message, wParam, lParam);
    case WM_HOTKEY:
      if (handlers_.hotkey && !closing_) handlers_.hotkey(static_cast<int>(wParam));
      return 0;
    case WM_CLOSE:
    case WM_ENDSESSION:
      if (message == WM_ENDSESSION && !wParam) return 0;
      onClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (message == trayShell_.taskbarCreatedMessage() && message != 0) {
        if (handlers_.taskbarCreated) handlers_.taskbarCreated();
        return 0;
      }
      return winui::Window::onMessage(message, wParam, lParam);
  }
}

void MainWindow::onCreate() {
  font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                      fontName_.c_str());
  for (int i = 0; i < 4; ++i) {
    HWND toggle = CreateWindowExW(0, WC_BUTTONW, SjisToWide(kFrameToggleCaptions[i]).c_str(),
                                  WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, 0, 10,
                                  10, handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFrameToggleIds[i])),
                                  instance_, nullptr);
    SendMessageW(toggle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    frameToggles_[static_cast<std::size_t>(i)] = toggle;
  }
  menuButton_ = CreateWindowExW(0, WC_BUTTONW, SjisToWide("ﾒﾆｭｰ").c_str(),
                                WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 10, 10, handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMainMenuButtonId)),
                                instance_, nullptr);
  SendMessageW(menuButton_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  list_.create(handle(), kListViewId, font_,
               {[this](int row) { if (current_) current_->activateRow(row); },
                [this](int row, POINT where) { if (current_) current_->showContextMenu(row, where); },
                nullptr,
                [this](UINT key) {
                  if (key == kFilterKey) openFilter();
                  return key == kFilterKey || (current_ && current_->onKeyDown(key));
                },
                [this](int from, int to) { if (current_) current_->onRowDragged(from, to); }});
  list_.setFilter(&filterBox_.filter());
  filterBox_.create(handle(), font_, kFilterFieldId,
                    {[this] { list_.refresh(); },
                     [this] { useFirstShownRow(); },
                     [this] { closeFilter(/*restoreSelection=*/true); },
                     [this] { SetFocus(list_.handle()); }});
  DragAcceptFiles(handle(), TRUE);
  list_.setImages(MarkerImages());
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | SBARS_TOOLTIPS, 0,
                               0, 0, 0, handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                               instance_, nullptr);
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  trayShell_.attach(handle(), instance_);
  joinClipboardChain();
  layout();
}

void MainWindow::layout() {
  if (!statusBar_) return;
  RECT client{};
  GetClientRect(handle(), &client);
  const int width = client.right - client.left;
  const int buttons = static_cast<int>(tabButtons_.size());
  const int tabsWidth = width - kMenuButtonWidth;
  MoveWindow(menuButton_, tabsWidth, 0, kMenuButtonWidth, kTabButtonHeight, TRUE);
  for (int i = 0; i < buttons; ++i) {
    const int left = tabsWidth * i / buttons;
    const int right = tabsWidth * (i + 1) / buttons;
    MoveWindow(tabButtons_[static_cast<std::size_t>(i)], left, 0, right - left, kTabButtonHeight, TRUE);
  }
  // The filter field, while open, takes the place of the current tab's bar.
  const int barRight = std::max(0, width - kFrameTogglesWidth);
  barRect_ = {0, kTabButtonHeight, barRight, kTabButtonHeight + kBarHeight};
  for (std::size_t i = 0; i < views_.size(); ++i) {
    if (barMade_[i]) views_[i]->layoutBar(barRect_);
  }
  filterBox_.move({2, kTabButtonHeight + 2, std::max(2, barRight - 2), kTabButtonHeight + kBarHeight - 2});
  int right = width - 2;
  for (int i = 3; i >= 0; --i) {
    right -= kFrameToggleWidths[i];
    MoveWindow(frameToggles_[static_cast<std::size_t>(i)], right, kTabButtonHeight + 2,
               kFrameToggleWidths[i] - 2, kBarHeight - 4, TRUE);
  }
  SendMessageW(statusBar_, WM_SIZE, 0, 0);
  RECT status{};
  GetWindowRect(statusBar_, &status);
  // The working-document pane takes what the others leave, so that every pane stays in sight.
  int fixed = 0;
  for (int i = 1; i < kStatusPanes; ++i) fixed += kStatusPaneWidths[i];
  int edges[kStatusPanes];
  int x = std::max(kStatusPaneWidths[0] / 2, width - fixed);
  edges[0] = x;
  for (int i = 1; i < kStatusPanes; ++i) {
    x += kStatusPaneWidths[i];
    edges[i] = i + 1 == kStatusPanes ? -1 : x;
  }
  SendMessageW(statusBar_, SB_SETPARTS, kStatusPanes, reinterpret_cast<LPARAM>(edges));
  list_.move({0, kTabButtonHeight + kBarHeight, width, client.bottom - (status.bottom - status.top)});
}

void MainWindow::setStatusPane(int pane, const std::string& text) {
  if (pane < 0 || pane >= kStatusPanes || !statusBar_) return;
  SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(pane),
               reinterpret_cast<LPARAM>(SjisToWide(text).c_str()));
}

void MainWindow::setToggle(int index, bool on) {
  if (index < 0 || index >= 4) return;
  SendMessageW(frameToggles_[static_cast<std::size_t>(kToggleSlot[index])], BM_SETCHECK,
               on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::setStatusTip(int pane, const std::string& tip) {
  if (pane < 0 || pane >= kStatusPanes || !statusBar_) return;
  SendMessageW(statusBar_, SB_SETTIPTEXTW, static_cast<WPARAM>(pane),
               reinterpret_cast<LPARAM>(SjisToWide(tip).c_str()));
}

void MainWindow::setTabViews(std::vector<TabView*> views) {
  views_ = std::move(views);
  barMade_.assign(views_.size(), false);
  rebuildTabButtons();
  layout();
}

void MainWindow::makeBarOf(TabView& view) {
  for (std::size_t i = 0; i < views_.size(); ++i) {
    if (views_[i] != &view || barMade_[i]) continue;
    view.createBar({handle(), font_, kTabBarFirstId + static_cast<int>(i) * kTabViewIdCount});
    barMade_[i] = true;
    view.layoutBar(barRect_);
  }
}

void MainWindow::rebuildTabButtons() {
  for (HWND button : tabButtons_) DestroyWindow(button);
  tabButtons_.clear();
  buttonViews_.clear();
  for (TabView* view : views_) {
    if (!view->enabled()) continue;
    const int position = static_cast<int>(tabButtons_.size());
    HWND button = CreateWindowExW(
        0, WC_BUTTONW, SjisToWide(view->caption()).c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
        0, 0, 10, 10, handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabButtonFirstId + position)), instance_,
        nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    tabButtons_.push_back(button);
    buttonViews_.push_back(view);
  }
  updateTabButtonStates();
  layout();
}

void MainWindow::showTab(TabView& view) {
  if (current_ && current_ != &view) {
    closeFilter(/*restoreSelection=*/false);
    current_->showBar(false);
  }
  current_ = &view;
  makeBarOf(view);
  view.showBar(true);
  updateTabButtonStates();
  list_.show(&view.list());
  applyColours();
  view.onShown();
}

void MainWindow::updateTabButtonStates() {
  for (std::size_t i = 0; i < tabButtons_.size(); ++i) {
    SendMessageW(tabButtons_[i], BM_SETSTATE, buttonViews_[i] == current_, 0);
  }
}

void MainWindow::applyColours() {
  if (!current_ || !list_.handle()) return;
  const TabColours colours = current_->colours();
  const COLORREF background = OrSystem(colours.background, COLOR_WINDOW);
  ListView_SetBkColor(list_.handle(), background);
  ListView_SetTextBkColor(list_.handle(), background);
  ListView_SetTextColor(list_.handle(), OrSystem(colours.text, COLOR_WINDOWTEXT));
  InvalidateRect(list_.handle(), nullptr, TRUE);
}

void MainWindow::onCommand(int id, int code) {
  if (id == static_cast<int>(kDeferredCaptureCommand)) {
    if (handlers_.deferredCapture) handlers_.deferredCapture();
    return;
  }
  if (id == kFilterToggleId) {
    filterBox_.isOpen() ? closeFilter(/*restoreSelection=*/true) : openFilter();
    return;
  }
  if (id == filterBox_.id()) {
    if (code == EN_CHANGE) filterBox_.onTextChanged();
    return;
  }
  const int position = id - kTabButtonFirstId;
  if (position >= 0 && position < static_cast<int>(buttonViews_.size())) {
    if (handlers_.tabChosen) handlers_.tabChosen(*buttonViews_[static_cast<std::size_t>(position)]);
    // The keys (arrows, Enter, F3) act on the list of the tab just chosen, not on its button.
    SetFocus(list_.handle());
    return;
  }
  const int viewIndex = (id - kTabBarFirstId) / kTabViewIdCount;
  if (id >= kTabBarFirstId && viewIndex < static_cast<int>(views_.size())) {
    views_[static_cast<std::size_t>(viewIndex)]->onCommand(id, code);
    return;
  }
  if (handlers_.command) handlers_.command(id);
}

void MainWindow::openFilter() {
  if (!current_) return;
  if (!filterBox_.isOpen()) selectionBeforeFilter_ = current_->list().selectedRow();
  current_->showBar(false);
  filterBox_.open();
  setToggle(3, true);
  layout();
}

void MainWindow::closeFilter(bool restoreSelection) {
  if (!filterBox_.isOpen()) return;
  filterBox_.close();
  setToggle(3, false);
  if (current_) current_->showBar(true);
  if (restoreSelection && current_) {
    current_->list().select(selectionBeforeFilter_);
    current_->list().showRow(selectionBeforeFilter_);
  }
  list_.refresh();
  layout();
  SetFocus(list_.handle());
}

// Enter in the field uses the first shown row as a click on it would.
void MainWindow::useFirstShownRow() {
  if (!current_ || !filtering() || shownRowCount() == 0) return;
  const int row = filterBox_.filter().listRow(0);
  current_->list().select(row);
  list_.refresh();
  current_->activateRow(row);
}

void MainWindow::onDropFiles(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    const UINT length = DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()));
    path.resize(length);
    paths.push_back(WideToSjis(path));
  }
  DragFinish(drop);
  if (current_ && !closing_ && !paths.empty()) current_->onFilesDropped(paths);
}

LRESULT MainWindow::onNotify(const NMHDR& header) {
  LRESULT result = 0;
  if (list_.handleNotify(header, result)) return result;
  return 0;
}

void MainWindow::showCalledUp() {
  if (IsIconic(handle())) ShowWindow(handle(), SW_RESTORE);
  SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(handle());
  SetFocus(list_.handle());
}

void MainWindow::hide() { ShowWindow(handle(), SW_HIDE); }

void MainWindow::minimize() { ShowWindow(handle(), SW_SHOWMINNOACTIVE); }

void MainWindow::setTaskbarButton(bool shown) {
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
  const LONG_PTR wanted = shown ? (style & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW
                                : (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW;
  if (wanted == style) return;
  // The shell reads the style when the window is shown: hidden while it changes.
  const bool visible = IsWindowVisible(handle()) != FALSE;
  if (visible) ShowWindow(handle(), SW_HIDE);
  SetWindowLongPtrW(handle(), GWL_EXSTYLE, wanted);
  SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (visible) ShowWindow(handle(), SW_SHOW);
}

void MainWindow::setTopmost(bool topmost) {
  SetWindowPos(handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::moveTo(const RECT& rect) {
  SetWindowPos(handle(), nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::postDeferredCapture() const {
  PostMessageW(handle(), WM_COMMAND, kDeferredCaptureCommand, 0);
}

void MainWindow::start(int id, int milliseconds) {
  SetTimer(handle(), static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void MainWindow::stop(int id) { KillTimer(handle(), static_cast<UINT_PTR>(id)); }

void MainWindow::startTimers() {
  SetTimer(handle(), kUpkeepTimer, kUpkeepPeriod, nullptr);
  SetTimer(handle(), kWatchdogTimer, kWatchdogPeriod, nullptr);
}

void MainWindow::onTimer(UINT_PTR timer) {
  if (closing_) return;
  if (timer == kWatchdogTimer) {
    if (handlers_.watchdogTick) handlers_.watchdogTick();
  } else if (timer == kUpkeepTimer) {
    if (handlers_.trackingTick) handlers_.trackingTick();
  } else if (handlers_.shellTimer) {
    handlers_.shellTimer(static_cast<int>(timer));
  }
}

void MainWindow::joinClipboardChain(bool announce) {
  usesListener_ = AddClipboardFormatListener(handle()) != FALSE;
  if (!usesListener_) {
    nextViewer_ = SetClipboardViewer(handle());
  } else if (announce) {
    PostMessageW(handle(), WM_CLIPBOARDUPDATE, 0, 0);
  }
}

void MainWindow::leaveClipboardChain() {
  if (usesListener_) {
    RemoveClipboardFormatListener(handle());
  } else {
    ChangeClipboardChain(handle(), nextViewer_);
  }
  usesListener_ = false;
  nextViewer_ = nullptr;
}

LRESULT MainWindow::onChangeClipboardChain(HWND leaving, HWND following) {
  if (leaving == nextViewer_) {
    nextViewer_ = following;
  } else if (nextViewer_) {
    SendMessageW(nextViewer_, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving),
                 reinterpret_cast<LPARAM>(following));
  }
  return 0;
}

void MainWindow::onTrayCallback(LPARAM mouseMessage) {
  if (closing_) return;
  if (handlers_.trayMouse) handlers_.trayMouse(static_cast<UINT>(mouseMessage));
}

void MainWindow::onClose() {
  if (closing_) return;
  closing_ = true;
  for (UINT_PTR timer = 1; timer <= kWatchdogTimer; ++timer) KillTimer(handle(), timer);
  if (handlers_.closing) handlers_.closing();
  leaveClipboardChain();
  DestroyWindow(handle());
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

}  // namespace qb
