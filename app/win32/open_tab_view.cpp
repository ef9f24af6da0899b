#include "app/win32/open_tab_view.h"

#include "base/numbers.h"
#include "app/win32/tab_view_helpers.h"
#include "winui/popup_menu.h"

namespace qb {

OpenTabView::OpenTabView(OpenTab& tab, const EnvironmentSettings& settings,
                         std::function<bool()> linkFailed, std::function<void()> refresh)
    : tab_(tab), settings_(settings), linkFailed_(std::move(linkFailed)), refresh_(std::move(refresh)) {}

void OpenTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::Button("公開する", firstId_ + kPublish),
               winui::BarControl::Button("ｸﾞﾙｰﾌﾟ▼", firstId_ + kGroup, 80),
               winui::BarControl::Button("並替▼", firstId_ + kSort, 56),
               winui::BarControl::Button("情報...", firstId_ + kStatus, 56)});
  updateBar();  // made when the tab is first shown: publishing may have begun at the start
}

void OpenTabView::updateBar() {
  bar_.setPressed(firstId_ + kPublish, tab_.publishing());
  std::vector<std::string> names = tab_.groupNames();
  int current = tab_.currentGroup();
  // The group button names the group the tab is in.
  bar_.setCaption(firstId_ + kGroup,
                  (current >= 0 ? names[static_cast<std::size_t>(current)] : std::string("ｸﾞﾙｰﾌﾟ")) + "▼");
}

void OpenTabView::onCommand(int id, int /*code*/) {
  switch (id - firstId_) {
    case kPublish: tab_.togglePublishing(); break;
    case kGroup: {
      int command = winui::TrackMenu(owner_, tab_.groupMenu(), BelowRect(bar_.screenRect(firstId_ + kGroup)));
      if (command != 0) tab_.runGroupCommand(command);
      break;
    }
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

void OpenTabView::showContextMenu(int row, POINT where) {
  if (row < 0) return;
  const TabMenuContext context = MenuContextFromSettings(settings_);
  const int command = winui::TrackMenu(owner_, tab_.menu(row, context), where);
  if (command != 0) tab_.runMenuCommand(row, command);
  refresh_();
}

TabStatus OpenTabView::status() {
  CTabList& rows = tab_.list();
  TabStatus status{rows.rowCount(), 0, std::nullopt};
  if (rows.selectedRow() >= 0) {
    status.selectedBytes = static_cast<std::size_t>(ParseLeadingInt(rows.text(rows.selectedRow(), 7)));
  }
  return status;
}

TabColours OpenTabView::colours() {
  TabColours colours = ColoursFromSettings(settings_.TabColorTextOp, settings_.TabColorBackOp);
  // A red background tells that the publish link could not be opened.
  if (linkFailed_ && linkFailed_()) colours.background = kLanErrorBackground;
  return colours;
}

}  // namespace qb
