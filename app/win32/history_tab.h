// The History tab in the window: its rows as the paste engine's source, and its context menu.
#pragma once
#include <windows.h>

#include <functional>

#include "history/history_list.h"
#include "macros/input_fill.h"
#include "macros/macro_analyzer.h"
#include "paste/paste_engine.h"
#include "app/tablist/plan_call_commands.h"
#include "tabs/save/save_tab.h"

namespace qb {

class HistoryTab : public PasteSource {
 public:
  struct Parts {
    CHistoryList& list;
    PasteEngine& engine;
    MacroAnalyzer& analyzer;
    InputDialogRunner& inputs;
    InputMethodMemory& inputMethod;
    const EnvironmentSettings& settings;
    // "内容確認...": the value and its exact form (UTF-8, empty when the value is exact).
    std::function<void(const std::string& value, const std::string& exact)> showContent;
    std::function<void()> changed;  // rows or selection changed: the view redraws
    // "保存..." and "指定保存...": the value into a save group under a label.
    SaveFromTabs* save = nullptr;
    // "共有へ複写...": the label and value into the shared folder shown; empty without one.
    std::function<int(std::string_view label, std::string_view value)> copyToShared = {};
    // "プラン呼び出し": the plans of "プラン呼び出し専用" run on the row's value; null without plans.
    PlanCallCommands* planCall = nullptr;
  };
  explicit HistoryTab(Parts parts);

  // A click, Enter or double click on a row: paste or copy by the held keys.
  void activate(int row);
  // The context menu on a row: the chosen command is run.
  void runMenuCommand(int row, int command);
  // The menu for the row, prepared for the settings.
  MenuModel menu(const TabMenuContext& context);

  // PasteSource
  std::optional<int> selectedRow() override;
  int rowCount() override { return list_.rowCount(); }
  std::string valueForUse(int row) override;
  std::string wholeValue(int row) override;
  std::string exactValue(int row) override;
  void countUse(int row, bool bulk) override { list_.afterValueUsed(row, bulk); }
  void afterPaste() override { list_.afterChange(); }

 private:
  void paste(int row, PasteFlags flags, PasteKind kind = PasteKind::kOrdinary);

  Parts parts_;
  CHistoryList& list_;
};

}  // namespace qb
