// The Save tab and the seven related-files tabs with everything they own: the Save store and
// controller, the related-files lists and controllers, their dialogs and views, and the save
// that the other tabs' "保存..." and "指定保存..." reach. The program creates one and adds its
// views where it creates the tab views.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/settings/settings.h"
#include "app/win32/dialogs/save_dialogs.h"
#include "app/win32/related_tab_view.h"
#include "app/win32/save_tab_view.h"
#include "macros/sysdate_store.h"
#include "tabs/related/related_tab.h"
#include "tabs/save/save_tab.h"

namespace qb {

class SaveAndRelatedTabs {
 public:
  struct Parts {
    HWND owner;
    FileSystem& fs;
    Clock& clock;
    Ui& ui;
    Settings& settings;
    std::string dataHome;
    std::wstring dialogFont;
    PasteEngine& engine;
    MacroAnalyzer& analyzer;
    InputDialogRunner& inputs;
    InputMethodMemory& inputMethod;
    winui::VirtualListView& listView;
    std::function<void()> requestClose;
    std::function<void()> refresh;       // the current list's rows or colours changed
    std::function<void()> saveRelated;   // writes the related-files settings file
    PlanCallCommands* planCall = nullptr;  // "プラン呼び出し" of the rows
  };
  explicit SaveAndRelatedTabs(Parts parts);

  // "保存..." and "指定保存..." of the other tabs.
  SaveFromTabs& saveFromTabs() { return saveFromTabs_; }
  // The Save view, then the seven related-files views, in tab order.
  void addSaveView(std::vector<std::unique_ptr<TabView>>& views);
  void addRelatedViews(std::vector<std::unique_ptr<TabView>>& views);
  // Loads the Save tab's shown group (the start leaves it for after the program takes texts).
  void loadSaveList() { saveList_.load(); }

 private:
  TabMenuContext menuContext() const;

  Parts parts_;
  SysdateStore sysdate_;
  Win32SaveTabDialogs saveDialogs_;
  CSaveList saveList_;
  SaveTab saveTab_;
  SaveFromTabs saveFromTabs_;
  Win32RelatedTabHost relatedHost_;
  std::array<std::unique_ptr<CRelatedList>, kRelatedFileTabCount> relatedLists_;
  std::array<std::unique_ptr<RelatedTab>, kRelatedFileTabCount> relatedTabs_;
};

}  // namespace qb
