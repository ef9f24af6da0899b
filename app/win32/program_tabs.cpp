// The tab views in tab order, created once the window and the stores exist: History, Save, the
// seven related-files tabs, Shared, Open, Plan and Stack.
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/program.h"
#include "platform/win32/text_conversion.h"

namespace qb {

void Program::createTabViews() {
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  const std::wstring font = SjisToWide(environment.FontName);
  auto refresh = [this] { refreshList(); };

  saveAndRelated_ = std::make_unique<SaveAndRelatedTabs>(SaveAndRelatedTabs::Parts{
      window_->handle(), fs_, clock_, ui_, settingsHome_->settings(), settingsHome_->home().folder,
      font, *engine_, *analyzer_, *inputs_, inputMethod_, window_->list(),
      [this] { window_->requestClose(); },
      [this] {
        refreshList();
        window_->applyColours();
      },
      [this] { settingsHome_->files().relatedFilesFile().save(); }, &planTab_->callMenu()});
  auto history = std::make_unique<HistoryTabView>(HistoryTabView::Parts{
      HistoryTab::Parts{*history_, *engine_, *analyzer_, *inputs_, inputMethod_, environment,
                        [this, font](const std::string& value, const std::string& exact) {
                          RunContentViewDialog(window_->handle(), ui_, font, "内容確認", value,
                                               exact);
                        },
                        refresh, &saveAndRelated_->saveFromTabs(),
                        [this](std::string_view label, std::string_view value) {
                          return lan_->copyToShared(label, value);
                        },
                        &planTab_->callMenu()},
      environment, ui_, *capture_, font, refresh, [this] { return planTab_->toggleCapturePlan(); }});
  historyView_ = history.get();
  tabViews_.push_back(std::move(history));

  saveAndRelated_->addSaveView(tabViews_);
  saveAndRelated_->addRelatedViews(tabViews_);
  tabViews_.push_back(lan_->makeSharedView());
  tabViews_.push_back(lan_->makeOpenView());
  tabViews_.push_back(planTab_->makeView());
  auto stack = std::make_unique<StackTabView>(
      StackTabParts{*stackList_, *engine_, *analyzer_, *inputs_, inputMethod_, environment, ui_,
                    [this, font](const std::string& value) {
                      RunContentViewDialog(window_->handle(), ui_, font, "内容確認", value);
                    },
                    [this] {
                      window_->applyColours();
                      refreshList();
                    },
                    &planTab_->callMenu()});
  stackView_ = stack.get();
  stackView_->tab().open();
  tabViews_.push_back(std::move(stack));
  // The settings sheet's "補助" installs the standard plans again; its group names reach the
  // hook library's plan menu.
  for (auto [command, set] : {std::pair{SheetCommand::kInstallCallPlans, StandardPlanSet::kRireki},
                              std::pair{SheetCommand::kInstallHotkeyPlans3, StandardPlanSet::kHotKey},
                              std::pair{SheetCommand::kInstallHotkeyPlans33, StandardPlanSet::kHotKey2}}) {
    sheetCommands_[command] = [this, set](SettingsSheetModel&, HWND) {
      planTab_->installer().reinstall(set);
      refreshList();
    };
  }
  settingsApplied_.push_back([this](const SettingsApply& apply) {
    if (apply.tabs) planTab_->directory().refreshAll();
    planTab_->list().refreshUses();
  });

  std::vector<TabView*> views;
  for (const auto& view : tabViews_) views.push_back(view.get());
  window_->setTabViews(std::move(views));
}

}  // namespace qb
