#include "app/win32/shared_tab_view.h"

#include "base/numbers.h"
#include "base/sjis.h"
#include "app/win32/tab_view_helpers.h"
#include "winui/popup_menu.h"

namespace qb {

SharedTabView::SharedTabView(SharedTab& tab, const EnvironmentSettings& settings,
                             std::function<bool()> linkFailed, std::function<void()> refresh)
    : tab_(tab), settings_(settings), linkFailed_(std::move(linkFailed)), refresh_(std::move(refresh)) {}

void SharedTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::Button("ﾌｫﾙﾀﾞ▼", firstId_ + kFolder),
               winui::BarControl::Button("新規...", firstId_ + kNew, 52),
               winui::BarControl::Button("並替▼", firstId_ + kSort, 52),
               winui::BarControl::Button("情報...", firstId_ + kStatus, 52),
               winui::BarControl{winui::BarControl::Kind::kLabel, "", 90, firstId_ + kFolderName}});
}

void SharedTabView::updateBar() {
  // The folder's name (its path is in the folder menu), or that the cache stands in for it.
  std::string label = tab_.folderLabel();
  std::size_t slash = std::string::npos;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '\\' && !IsSjisTrailPosition(label, i)) slash = i;
  }
  if (slash != std::string::npos && slash + 1 < label.size()) label = " " + label.substr(slash + 1);
  if (tab_.list().mode() == SharedMode::kCache) label = " キャッシュ使用中";
  bar_.setCaption(firstId_ + kFolderName, label);
  bar_.setEnabled(firstId_ + kNew, tab_.list().mode() == SharedMode::kOnline);
}

void SharedTabView::onShown() {
  tab_.list().RequestImmediateCheck();
  tab_.list().OnTabShown();
  updateBar();
}

void SharedTabView::onCommand(int id, int /*code*/) {
  switch (id - firstId_) {
    case kFolder: {
      int command = winui::TrackMenu(owner_, tab_.folderMenu(), BelowRect(bar_.screenRect(firstId_ + kFolder)));
      if (command != 0) tab_.runFolderCommand(command);
      break;
    }
    case kNew: tab_.newItem(); break;
    case kSort: {
      int command = winui::TrackMenu(owner_, tab_.sortMenu(), BelowRect(bar_.screenRect(firstId_ + kSort)));
      if (command != 0) tab_.sortBy(command);
      break;
    }
    case kStatus: tab_.showStatus(); break;
    default: return;
  }
  updateBar();
  refresh_();
}

void SharedTabView::showContextMenu(int row, POINT where) {
  const TabMenuContext context = MenuContextFromSettings(settings_);
  const int command = winui::TrackMenu(owner_, tab_.menu(row, context), where);
  if (command != 0) tab_.runMenuCommand(row, command);
  updateBar();
  refresh_();
}

bool SharedTabView::onKeyDown(UINT key) {
  if (key != VK_DELETE) return false;
  int row = tab_.list().selectedRow();
  if (row >= 0) tab_.deleteRow(row);
  refresh_();
  return true;
}

TabStatus SharedTabView::status() {
  CSharedList& rows = tab_.list();
  TabStatus status{rows.rowCount(), CSharedList::kMaxItems, std::nullopt};
  if (rows.selectedRow() >= 0) {
    status.selectedBytes =
        static_cast<std::size_t>(ParseLeadingInt(rows.text(rows.selectedRow(), shared_col::kSize)));
  }
  return status;
}

TabColours SharedTabView::colours() {
  if (tab_.list().mode() == SharedMode::kCache) {
    return ColoursFromSettings(settings_.TabColorTextCmCash, settings_.TabColorBackCmCash);
  }
  if (linkFailed_ && linkFailed_()) {
    TabColours colours = ColoursFromSettings(settings_.TabColorTextCmLan, settings_.TabColorBackCmLan);
    if (!colours.background) colours.background = kLanErrorBackground;
    return colours;
  }
  return ColoursFromSettings(settings_.TabColorTextCm, settings_.TabColorBackCm);
}

}  // namespace qb
