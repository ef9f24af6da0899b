#include "app/win32/save_related_tabs.h"

#include "history/store_folders.h"

namespace qb {

SaveAndRelatedTabs::SaveAndRelatedTabs(Parts parts)
    : parts_(std::move(parts)),
      sysdate_(parts_.fs, parts_.ui, parts_.dataHome),
      saveDialogs_(parts_.owner, parts_.ui, parts_.dialogFont, {parts_.analyzer, sysdate_}),
      saveList_(parts_.fs, parts_.clock, parts_.ui, parts_.settings.environment,
                SaveStoreSetup{parts_.dataHome, parts_.requestClose}),
      saveTab_(SaveTabParts{saveList_, parts_.engine, parts_.analyzer, parts_.inputs,
                            parts_.inputMethod, parts_.settings.environment, parts_.fs, parts_.ui,
                            saveDialogs_, parts_.planCall}),
      saveFromTabs_(saveList_, saveDialogs_, parts_.ui),
      relatedHost_(parts_.owner, parts_.ui, parts_.dialogFont) {
  for (int tab = 0; tab < kRelatedFileTabCount; ++tab) {
    auto index = static_cast<std::size_t>(tab);
    relatedLists_[index] =
        std::make_unique<CRelatedList>(parts_.fs, parts_.ui, parts_.settings.environment);
    relatedTabs_[index] = std::make_unique<RelatedTab>(RelatedTabParts{
        tab, *relatedLists_[index], parts_.engine, parts_.analyzer, parts_.inputs,
        parts_.inputMethod, parts_.settings.relatedFiles, parts_.settings.environment, parts_.ui,
        relatedHost_,
        [this](int group, std::string_view label, std::string_view value) {
          return saveList_.storeInGroup(group, label, value);
        },
        parts_.saveRelated, parts_.planCall});
  }
}

TabMenuContext SaveAndRelatedTabs::menuContext() const {
  const EnvironmentSettings& environment = parts_.settings.environment;
  TabMenuContext context;
  for (std::size_t i = 0; i < context.saveGroupNames.size(); ++i) {
    context.saveGroupNames[i] = environment.CLIPDIR_AR[i];
  }
  context.ownGroupNames = context.saveGroupNames;
  context.currentSaveGroup = saveList_.shownGroup();
  context.currentOwnGroup = saveList_.shownGroup();
  context.sharedTabEnabled = false;  // the Shared tab is not offered yet
  context.clickPastes = environment.DIRECT_SEND == 1;
  return context;
}

void SaveAndRelatedTabs::addSaveView(std::vector<std::unique_ptr<TabView>>& views) {
  views.push_back(std::make_unique<SaveTabView>(SaveTabView::Parts{
      saveTab_, parts_.ui, parts_.listView, [this] { return menuContext(); }, parts_.refresh}));
}

void SaveAndRelatedTabs::addRelatedViews(std::vector<std::unique_ptr<TabView>>& views) {
  for (auto& tab : relatedTabs_) {
    views.push_back(std::make_unique<RelatedTabView>(RelatedTabView::Parts{
        *tab, parts_.ui, parts_.listView, [this] { return menuContext(); }, parts_.refresh}));
  }
}

}  // namespace qb
