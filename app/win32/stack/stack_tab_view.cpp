#include "app/win32/stack/stack_tab_view.h"

#include "app/tablist/menu_commands.h"
#include "base/numbers.h"
#include "winui/popup_menu.h"

namespace qb {

StackTabView::StackTabView(StackTabParts parts)
    : list_(parts.list), settings_(parts.settings), tab_(std::move(parts)) {}

void StackTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::ComboBox(firstId_ + kGroup, 170),
               winui::BarControl::Button("初期化", firstId_ + kInitialise)});
  fillGroupChooser();
}

void StackTabView::fillGroupChooser() {
  const auto names = tab_.groupNames();
  bar_.setItems(firstId_ + kGroup, std::vector<std::string>(names.begin(), names.end()),
                tab_.currentGroup());
}

void StackTabView::onCommand(int id, int code) {
  switch (id - firstId_) {
    case kGroup:
      if (code != CBN_SELCHANGE) return;
      tab_.switchGroup(bar_.selectedItem(firstId_ + kGroup));
      break;
    case kInitialise: tab_.initialiseGroup(); break;
    default: break;
  }
}

void StackTabView::showContextMenu(int row, POINT where) {
  if (row < 0) return;
  TabMenuContext context;
  context.clickPastes = settings_.DIRECT_SEND == 1;
  const int command = winui::TrackMenu(owner_, tab_.menu(context), where);
  if (command != 0) tab_.runMenuCommand(row, command);
}

bool StackTabView::onKeyDown(UINT key) {
  if (key != VK_DELETE || list_.selectedRow() < 0) return false;
  tab_.runMenuCommand(list_.selectedRow(), menu_command::kDelete);
  return true;
}

TabStatus StackTabView::status() {
  TabStatus status{list_.rowCount(), list_.maximumCount(), std::nullopt};
  const int row = list_.selectedRow();
  if (row >= 0) {
    status.selectedBytes = static_cast<std::size_t>(ParseLeadingInt(list_.text(row, stack_column::kSize)));
  }
  return status;
}

TabColours StackTabView::colours() {
  if (settings_.TabColorSGpFlg == 1) {
    return ColoursFromSettings(settings_.TabColorTextSk, settings_.TabColorBackSk);
  }
  const auto group = static_cast<std::size_t>(tab_.currentGroup());
  return ColoursFromSettings(settings_.TabColorTextSGp[group], settings_.TabColorBackSGp[group]);
}

}  // namespace qb
