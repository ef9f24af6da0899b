// The Save tab's commands: its bar (group choice, sort orders, new item, change, import,
// delete), its context menu, its keys (← and →, Delete), file drops and dragged rows; and its rows
// as the paste engine's source. The window shows what this controller holds and hands it the
// user's actions; the dialogs are opened through `SaveTabDialogs`.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/environment_settings.h"
#include "app/tablist/import_file.h"
#include "app/tablist/plan_call_commands.h"
#include "macros/input_fill.h"
#include "macros/macro_analyzer.h"
#include "paste/paste_engine.h"
#include "tabs/save/change_dialog_model.h"
#include "tabs/save/label_input.h"
#include "tabs/save/save_list.h"

namespace qb {

// The dialogs of the Save tab, shown modally by the window (scripted in tests).
class SaveTabDialogs {
 public:
  virtual ~SaveTabDialogs() = default;
  // "Quillbox＜変更＞"; true on OK.
  virtual bool runChange(ChangeDialogModel& model) = 0;
  // "Quillbox＜保存＞"; true on OK.
  virtual bool runSave(SaveDialogModel& model) = 0;
  // The import choice; `path` fills the file field (a dropped file), empty lets the user pick.
  virtual std::optional<ImportChoice> runImport(std::string_view path) = 0;
  // "内容確認...": the value and its exact form (UTF-8, empty when the value is exact).
  virtual void showContent(const std::string& value, const std::string& exact) = 0;
};

struct SaveTabParts {
  CSaveList& list;
  PasteEngine& engine;
  MacroAnalyzer& analyzer;
  InputDialogRunner& inputs;
  InputMethodMemory& inputMethod;
  const EnvironmentSettings& settings;
  FileSystem& fs;
  Ui& ui;
  SaveTabDialogs& dialogs;
  // "プラン呼び出し" on a row's value; null without plans.
  PlanCallCommands* planCall = nullptr;
};

class SaveTab : public PasteSource {
 public:
  explicit SaveTab(SaveTabParts parts);

  CSaveList& list() { return list_; }

  // A click, Enter or double click on a row: paste or copy by the held keys.
  void activate(int row);
  // The context menu of the list, and its commands.
  MenuModel menu(const TabMenuContext& context) {
    MenuModel model = list_.loadMenu(context);
    PreparePlanCallSubmenu(model, parts_.planCall);
    return model;
  }
  void runMenuCommand(int row, int command);

  // The bar.
  // The group control: the ten group names and the one shown.
  std::vector<std::string> groupNames() const;
  int shownGroup() const { return list_.shownGroup(); }
  void chooseGroup(int group);
  MenuModel sortMenu() const;
  void sortBy(int command);
  void newItem();
  void change(int row);
  void importFile();
  void deleteRow(int row);

  // Keys on the list: ← and → switch groups when `LRKeyGroupChange=` is 1 (true when used).
  bool arrowKey(bool right);
  // Files dropped on the list: exactly one becomes a new item.
  void dropFiles(const std::vector<std::string>& paths);
  // A row dragged to another place.
  void dragRow(int from, int to) { list_.reorder(from, to); }

  // The tab's explanation when `TabHelpDsp=` is 1, else empty.
  std::string explanation() const;

  // PasteSource
  std::optional<int> selectedRow() override;
  int rowCount() override { return list_.rowCount(); }
  std::string valueForUse(int row) override;
  std::string wholeValue(int row) override;
  std::string exactValue(int row) override;
  void countUse(int, bool) override {}
  void afterPaste() override {}

 private:
  void paste(int row, PasteFlags flags, PasteKind kind = PasteKind::kOrdinary);
  bool runCopyOrMove(int row, int command);

  SaveTabParts parts_;
  CSaveList& list_;
};

// "保存..." and "指定保存..." of the other tabs: a value stored into a save group under a label
// that the save dialog asks for.
class SaveFromTabs {
 public:
  SaveFromTabs(CSaveList& list, SaveTabDialogs& dialogs, Ui& ui)
      : list_(list), dialogs_(dialogs), ui_(ui) {}
  // Into the group the Save tab shows. 0, 1 when cancelled, -1 on failure.
  // `exact` is the value in UTF-8 when code page 932 cannot hold it (empty otherwise).
  int save(std::string_view value, std::string_view exact = {}) {
    return saveToGroup(value, list_.shownGroup(), exact);
  }
  int saveToGroup(std::string_view value, int group, std::string_view exact = {});

 private:
  CSaveList& list_;
  SaveTabDialogs& dialogs_;
  Ui& ui_;
};

}  // namespace qb
