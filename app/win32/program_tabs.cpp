// The tab views in tab order, created once the window and the stores exist: History, Save, the
// seven related-files tabs, Shared, Open, Plan and Stack.
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/list_only_tab_view.h"
#include "app/win32/program.h"
#include "platform/win32/text_conversion.h"

namespace qb {

void Program::createTabViews() {
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  const RelatedFileSettings& related = settingsHome_->settings().relatedFiles;
  const std::wstring font = SjisToWide(environment.FontName);
  auto refresh = [this] { refreshList(); };

  auto history = std::make_unique<HistoryTabView>(HistoryTabView::Parts{
      HistoryTab::Parts{*history_, *engine_, *analyzer_, *inputs_, inputMethod_, environment,
                        [this, font](const std::string& value) {
                          RunContentViewDialog(window_->handle(), ui_, font, "内容確認", value);
                        },
                        refresh},
      environment, ui_, *capture_, font, refresh});
  historyView_ = history.get();
  tabViews_.push_back(std::move(history));

  auto listOnly = [this](CTabList& list, std::string caption, std::function<bool()> enabled,
                         std::function<TabColours()> colours) {
    tabViews_.push_back(std::make_unique<ListOnlyTabView>(list, std::move(caption),
                                                          std::move(enabled), std::move(colours)));
  };
  const EnvironmentSettings& env = environment;
  listOnly(saveList_, "保存", nullptr,
           [&env] { return ColoursFromSettings(env.TabColorTextHz, env.TabColorBackHz); });
  for (std::size_t tab = 0; tab < related.SANSYO_TEXT_ON.size(); ++tab) {
    listOnly(relatedList_, related.SANSYO_TEXT_TAB[tab],
             [&related, tab] { return related.ENABLE == 1 && related.SANSYO_TEXT_ON[tab] == 1; },
             [&env, tab] {
               return ColoursFromSettings(env.TabColorTextKf[tab], env.TabColorBackKf[tab]);
             });
  }
  listOnly(sharedList_, "共有", [&env] { return env.Common_Enable == 1; },
           [&env] { return ColoursFromSettings(env.TabColorTextCm, env.TabColorBackCm); });
  listOnly(openList_, "公開", [&env] { return env.Open_Enable == 1; },
           [&env] { return ColoursFromSettings(env.TabColorTextOp, env.TabColorBackOp); });
  listOnly(planList_, "プラン", [&env] { return env.Plan_Enable == 1; },
           [&env] { return ColoursFromSettings(env.TabColorTextPn, env.TabColorBackPn); });
  listOnly(stackList_, "スタック", [&env] { return env.Stack_Enable == 1; },
           [&env] { return ColoursFromSettings(env.TabColorTextSk, env.TabColorBackSk); });

  std::vector<TabView*> views;
  for (const auto& view : tabViews_) views.push_back(view.get());
  window_->setTabViews(std::move(views));
}

}  // namespace qb
