// One related-files tab (0-6): its ten linked files chosen in the group combo box, the link
// commands ("関連付け用"), the editors, the sort orders, the explanation, and its rows as the
// paste engine's source. The links live in the related-files settings; the files themselves
// are only read.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/environment_settings.h"
#include "app/settings/related_file_settings.h"
#include "app/tablist/plan_call_commands.h"
#include "app/tablist/tab_colours.h"
#include "macros/input_fill.h"
#include "macros/macro_analyzer.h"
#include "paste/paste_engine.h"
#include "tabs/related/related_list.h"

namespace qb {

inline constexpr char kNoRelatedFile[] = " <<関連ﾌｧｲﾙ未設定>>";
inline constexpr char kLinkDialogCaption[] = "Quillbox＜ファイルの関連付け＞";
inline constexpr char kLinkDialogFilter[] = "テキスト(*.txt)|*.txt|全て(*.*)|*.*||";
inline constexpr int kRelatedLabelWidthMin = 8;
inline constexpr int kRelatedLabelWidthMax = 600;

// What a related-files tab needs of the window (scripted in tests).
class RelatedTabHost {
 public:
  virtual ~RelatedTabHost() = default;
  // The file dialog; the chosen path, or empty when cancelled.
  virtual std::optional<std::string> chooseFile(std::string_view caption,
                                                std::string_view filter,
                                                std::string_view initialFolder) = 0;
  // Opens `file` through the shell with `parameters`; the shell's result (32 or less: failed).
  virtual int openWithShell(std::string_view file, std::string_view parameters) = 0;
  // "内容確認...".
  virtual void showContent(const std::string& value) = 0;
};

struct RelatedTabParts {
  int tab;  // 0-6
  CRelatedList& list;
  PasteEngine& engine;
  MacroAnalyzer& analyzer;
  InputDialogRunner& inputs;
  InputMethodMemory& inputMethod;
  RelatedFileSettings& files;
  const EnvironmentSettings& settings;
  Ui& ui;
  RelatedTabHost& host;
  // "指定保存...": stores a label and value into a save group. 0 or -1.
  std::function<int(int group, std::string_view label, std::string_view value)> storeInSaveGroup;
  // The related-files settings changed (a link made or removed): they are written at once.
  std::function<void()> settingsChanged;
  // "プラン呼び出し" on a row's value; null without plans.
  PlanCallCommands* planCall = nullptr;
};

class RelatedTab : public PasteSource {
 public:
  explicit RelatedTab(RelatedTabParts parts);

  int tab() const { return parts_.tab; }
  CRelatedList& list() { return list_; }
  // `ENABLE=` and `SANSYO_TEXT`t`_ON=`, and the caption `SANSYO_TEXT`t`_TAB=`.
  bool shown() const;
  std::string caption() const;

  // Shows the first linked file (when the tab is first shown).
  void start();

  // The group combo box: the linked files' names in group order, or " <<関連ﾌｧｲﾙ未設定>>".
  std::vector<std::string> comboEntries() const;
  int comboSelection() const;
  void chooseComboEntry(int index);
  int currentGroup() const { return group_; }
  // The path of the file shown; empty when none.
  std::string currentPath() const;

  // "関連付け用".
  MenuModel linkMenu() const;
  void runLinkCommand(int command);
  void link();
  void unlink();
  void edit(bool notepad);
  // A file dropped on the tab is linked.
  void dropFiles(const std::vector<std::string>& paths);

  MenuModel sortMenu() const;
  void sortBy(int command);
  MenuModel menu(const TabMenuContext& context) {
    MenuModel model = list_.loadMenu(context);
    PreparePlanCallSubmenu(model, parts_.planCall);
    return model;
  }
  void runMenuCommand(int row, int command);
  void activate(int row);

  int labelWidth() const;
  void setLabelWidth(int width);
  TabColours colours() const;
  std::string explanation() const;

  // PasteSource
  std::optional<int> selectedRow() override;
  int rowCount() override { return list_.rowCount(); }
  std::string valueForUse(int row) override;
  std::string wholeValue(int row) override;
  void countUse(int, bool) override {}
  void afterPaste() override {}

 private:
  std::string& pathOf(int group);
  const std::string& pathOf(int group) const;
  void showGroup(int group);
  // Links a file to the group shown when it has none, else to the first free group.
  void linkFile(const std::string& path);
  // The group-switch hook: the label width is kept for the group left.
  void keepLabelWidth();
  void paste(int row, PasteFlags flags, PasteKind kind = PasteKind::kOrdinary);

  RelatedTabParts parts_;
  CRelatedList& list_;
  int group_ = 0;
  int labelWidth_ = -1;  // -1: the group's stored width
};

}  // namespace qb
