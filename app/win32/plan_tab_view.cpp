#include "app/win32/plan_tab_view.h"

#include "app/win32/dialogs/dialogs.h"
#include "base/numbers.h"
#include "tabs/plan/plan_menu.h"
#include "winui/popup_menu.h"

namespace qb {

PlanTabView::PlanTabView(Parts parts)
    : parts_(std::move(parts)),
      tab_({parts_.list, parts_.routes, parts_.thread, parts_.settings, parts_.ui, *this}) {}

void PlanTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::ComboBox(firstId_ + kGroup, 60),
               winui::BarControl::Button("並替▼", firstId_ + kSort, 40),
               winui::BarControl::Button("新規...", firstId_ + kNew, 40),
               winui::BarControl::Button("変更...", firstId_ + kChange, 40),
               winui::BarControl::Button("実行", firstId_ + kRun, 30)});
}

void PlanTabView::showGroups() {
  bar_.setItems(firstId_ + kGroup, tab_.groupNames(), tab_.shownGroup());
}

void PlanTabView::refreshControls() {
  const bool enabled = tab_.controlsEnabled();
  if (controlsShownEnabled_ == enabled) return;
  controlsShownEnabled_ = enabled;
  for (int control = 0; control < kControlCount; ++control) {
    bar_.setEnabled(firstId_ + control, enabled);
  }
}

void PlanTabView::onShown() {
  showGroups();
  refreshControls();
}

void PlanTabView::onCommand(int id, int code) {
  const int row = parts_.list.selectedRow();
  switch (id - firstId_) {
    case kGroup:
      if (code != CBN_SELCHANGE) return;
      tab_.chooseGroup(bar_.selectedItem(firstId_ + kGroup));
      break;
    case kSort: showSortMenu(); break;
    case kNew: tab_.newPlan(); break;
    case kChange: tab_.changePlan(row); break;
    case kRun: tab_.run(row); break;
    default: return;
  }
  parts_.refresh();
}

void PlanTabView::showSortMenu() {
  const RECT button = bar_.screenRect(firstId_ + kSort);
  const int command = winui::TrackMenu(owner_, tab_.sortMenu(), {button.left, button.bottom});
  if (command != 0) tab_.sortBy(command);
}

void PlanTabView::showContextMenu(int row, POINT where) {
  if (row < 0) {
    if (const int command = winui::TrackMenu(owner_, PlanMenuOfEmptyArea(), where)) {
      tab_.runMenuCommand(row, command);
      parts_.refresh();
    }
    return;
  }
  TabMenuContext context;
  for (std::size_t i = 0; i < context.saveGroupNames.size(); ++i) {
    context.saveGroupNames[i] = parts_.settings.CLIPDIR_AR[i];
  }
  context.sharedTabEnabled = parts_.settings.Common_Enable == 1;
  const int command = winui::TrackMenu(owner_, tab_.menu(context), where);
  if (command == 0) return;
  tab_.runMenuCommand(row, command);
  parts_.refresh();
}

bool PlanTabView::onKeyDown(UINT key) {
  bool used = false;
  if (key == VK_DELETE) {
    tab_.deleteRow(parts_.list.selectedRow());
    used = true;
  } else if (key == VK_LEFT || key == VK_RIGHT) {
    used = tab_.arrowKey(key == VK_RIGHT);
    if (used) showGroups();
  }
  if (used) parts_.refresh();
  return used;
}

void PlanTabView::onFilesDropped(const std::vector<std::string>& paths) {
  if (paths.size() != 1) {
    parts_.ui.showMessage("取り込むプランファイルを１つだけドロップしてください　",
                          MessageIcon::kInformation);
    return;
  }
  tab_.importPath(paths.front());
  parts_.refresh();
}

void PlanTabView::onRowDragged(int from, int to) {
  tab_.dragRow(from, to);
  parts_.refresh();
}

std::optional<std::string> PlanTabView::choosePlanFile() { return ChoosePlanFile(owner_, parts_.ui); }

TabStatus PlanTabView::status() {
  TabStatus status{parts_.list.rowCount(), kPlanGroupMaximum, std::nullopt};
  const int row = parts_.list.selectedRow();
  if (row >= 0) {
    status.selectedBytes =
        static_cast<std::size_t>(ParseLeadingInt(parts_.list.text(row, plan_column::kSize)));
  }
  return status;
}

TabColours PlanTabView::colours() {
  const EnvironmentSettings& settings = parts_.settings;
  if (settings.TabColorPGpFlg == 1) {
    return ColoursFromSettings(settings.TabColorTextPn, settings.TabColorBackPn);
  }
  const std::size_t group = static_cast<std::size_t>(parts_.list.shownGroup());
  return ColoursFromSettings(settings.TabColorTextPGp[group], settings.TabColorBackPGp[group]);
}

}  // namespace qb
