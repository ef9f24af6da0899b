// The Stack tab as the user and the plans meet it: the plans' output and clear commands, the
// group shown and its switching, the initialisation of a group, the context menu and the paste
// or copy of a row.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/tablist/plan_call_commands.h"
#include "macros/input_fill.h"
#include "paste/paste_engine.h"
#include "tabs/stack/stack_list.h"

namespace qb {

namespace stack_command {
inline constexpr int kSortByValue = 32984;   // "値順", column 1
inline constexpr int kSortBySize = 32985;    // "値のサイズ順", column 7
inline constexpr int kInitialise = 32987;    // "スタックグループの初期化..."
}  // namespace stack_command

// "0927Plan_OutStack:::NN:::plan name:::text": the group 0-9, the plan name and the text (the
// rest of the command, ":::" and all). Nothing for a group outside "00"-"09" or missing fields.
struct StackOutput {
  int group = 0;
  std::string planName;
  std::string text;
};
std::optional<StackOutput> ParseStackOutputCommand(std::string_view command);
// "0927Plan_ClrStack:::NN": the group 0-9.
std::optional<int> ParseStackClearCommand(std::string_view command);

struct StackTabParts {
  CStackList& list;
  PasteEngine& engine;
  MacroAnalyzer& analyzer;
  InputDialogRunner& inputs;
  InputMethodMemory& inputMethod;
  // Stack_Enable=, StackDir_Idx= (kept up to date), StackDir_Ar%02d=, DIRECT_SEND=.
  EnvironmentSettings& settings;
  Ui& ui;
  std::function<void(const std::string& value)> showContent;  // "内容確認..."
  std::function<void()> changed;  // rows, selection or group changed: the view redraws
  // "プラン呼び出し" on a row's value; null without plans.
  PlanCallCommands* planCall = nullptr;
};

class StackTab : public PasteSource {
 public:
  explicit StackTab(StackTabParts parts);

  bool enabled() const { return parts_.settings.Stack_Enable == 1; }
  // Loads the group StackDir_Idx= names (group 00 when it names none).
  int open();

  // "0927Plan_OutStack:::NN:::plan name:::text": the text (":::" and all) goes into group NN.
  // Commands with a group outside 00-09, or without their fields, change nothing.
  void onOutputCommand(std::string_view command);
  // "0927Plan_ClrStack:::NN".
  void onClearCommand(std::string_view command);
  // The clipboard capture wrote a plan's clipboard text into group 00.
  void onCaptureStored(const std::string& fileName);

  int currentGroup() const { return parts_.list.shownGroup(); }
  std::array<std::string, 10> groupNames() const;
  void switchGroup(int group);
  // "このスタックグループを初期化します。よろしいですか？　"; Yes deletes every item of the group.
  void initialiseGroup();

  // A click, Enter or double click on a row: paste or copy by the held keys.
  void activate(int row);
  MenuModel menu(const TabMenuContext& context) const;
  void runMenuCommand(int row, int command);

  // PasteSource
  std::optional<int> selectedRow() override;
  int rowCount() override { return parts_.list.rowCount(); }
  std::string valueForUse(int row) override;
  std::string wholeValue(int row) override;
  void countUse(int, bool) override {}
  void afterPaste() override {}

 private:
  void changed() const;

  StackTabParts parts_;
};

// The Stack tab's context menu.
MenuModel StackMenuPattern();

}  // namespace qb
