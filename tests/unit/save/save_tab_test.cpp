// The Save tab's commands: the bar, the context menu, keys, drops, the paste of an item with its
// macros, and the save from other tabs.
#include "tabs/save/save_tab.h"

#include <gtest/gtest.h>

#include "app/tablist/menu_commands.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_keyboard.h"
#include "tabs/save/save_commands.h"
#include "history/exact_companion.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/save/save_fixture.h"

namespace qb {
namespace {

namespace mc = menu_command;

class CopyHost : public PasteHost {
 public:
  bool isOwnWindow(WindowId window) override { return window == 1; }
  WindowId mainWindow() override { return 1; }
  bool alwaysOnTop() override { return false; }
  int putTextOnClipboard(std::string_view text) override {
    copied.emplace_back(text);
    return 0;
  }
  void leaveLinkAndRefresh() override {}
  bool runPartialSelection(PartialSelectionModel&) override { return false; }
  void storePastedValue(std::string_view, bool) override {}
  std::vector<std::string> copied;
};

class ScriptedDialogs : public SaveTabDialogs {
 public:
  bool runChange(ChangeDialogModel& model) override { return change && change(model); }
  bool runSave(SaveDialogModel& model) override { return save && save(model); }
  std::optional<ImportChoice> runImport(std::string_view path) override {
    imports.emplace_back(path);
    return import;
  }
  void showContent(const std::string& value, const std::string& exact) override {
    contents.push_back(value + (exact.empty() ? "" : " exact " + exact));
  }
  std::function<bool(ChangeDialogModel&)> change;
  std::function<bool(SaveDialogModel&)> save;
  std::optional<ImportChoice> import;
  std::vector<std::string> imports;
  std::vector<std::string> contents;
};

class Inputs : public InputDialogRunner {
 public:
  bool runModal(InputDialogModel& model) override {
    InputFields fields{typed, "", "", "", ""};
    return model.ok(fields, false);
  }
  std::string typed;
};

class SaveTabTest : public ::testing::Test, public SaveWorld {
 protected:
  SaveTabTest() {
    desktop.addWindow(1, FakeWindow{"Quillbox", "QuillboxMain", {}, true, 1});
    clock.setLocalNow({2026, 3, 4, 15, 7, 9, 0, 3});
  }
  std::vector<std::string> copy(int row) {
    host.copied.clear();
    tab.runMenuCommand(row, mc::kCopyToClipboard);
    return host.copied;
  }

  FakeDesktop desktop{clock};
  FakeClipboard clipboard;
  FakeKeyboard keyboard{clock, &clipboard};
  CopyHost host;
  WorkingWindow working;
  PasteEngine engine{PastePorts{desktop, keyboard, clock, ui}, host, working, PasteSettings{}};
  MacroAnalyzer analyzer{ui, clock};
  Inputs inputs;
  InputMethodMemory ime;
  ScriptedDialogs dialogs;
  SaveTab tab{SaveTabParts{*list, engine, analyzer, inputs, ime, settings, fs, ui, dialogs}};
};

TEST_F(SaveTabTest, AnItemIsUsedWithItsDateAndInputMacrosAndItsKeyMacroForThePaste) {
  list->storeInGroup(0, "m", "<@@SYSDATE><@YY2/>/<@MM10/>/<@DD10/><@@/SYSDATE> <@@ACTIONIN><@IN01/><@@/ACTIONIN><@@KEYIN><@TAB01/>200<@@/KEYIN>x");
  inputs.typed = "山田";
  EXPECT_EQ(tab.valueForUse(0), "2026/03/04 山田<@@KEYIN><@TAB01/>200<@@/KEYIN>x");
  list->storeInGroup(0, "p", "plain");
  EXPECT_EQ(copy(0), (std::vector<std::string>{"plain"}));
  ExpectUiScriptFinished(ui);
}

// The Plan tab's "プラン呼び出し" as the Save tab sees it.
struct RecordingPlanCall : PlanCallCommands {
  void prepare(MenuModel& menu) const override {
    menu.replaceSubmenuHolding(mc::kPlanList, {MenuEntry::Command("括弧「」括り", mc::kRunPlanFirst)});
  }
  bool run(int command, std::string_view value) override {
    if (command != mc::kRunPlanFirst) return false;
    values.emplace_back(value);
    return true;
  }
  std::vector<std::string> values;
};

TEST_F(SaveTabTest, PlanCallRunsOnTheRowsWholeValueAndIsOfferedOnlyWithPlans) {
  EXPECT_EQ(tab.menu(TabMenuContext{}).find(mc::kPlanList), nullptr);
  RecordingPlanCall planCall;
  SaveTab withPlans{SaveTabParts{*list, engine, analyzer, inputs, ime, settings, fs, ui, dialogs,
                                 &planCall}};
  list->storeInGroup(0, "件名", "一行目\r\n二行目");
  ASSERT_NE(withPlans.menu(TabMenuContext{}).find(mc::kRunPlanFirst), nullptr);
  withPlans.runMenuCommand(0, mc::kRunPlanFirst);
  EXPECT_EQ(planCall.values, std::vector<std::string>{"一行目\r\n二行目"});
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveTabTest, NewItemStoresAnEmptyItemAndOpensTheChangeDialogOnIt) {
  dialogs.change = [](ChangeDialogModel& model) {
    EXPECT_EQ(model.text(), "");
    EXPECT_TRUE(model.label().type("件名"));
    EXPECT_TRUE(model.replaceText(0, 0, "本文"));
    return true;
  };
  tab.runMenuCommand(-1, save_command::kNewItem);
  EXPECT_EQ(item(0, 1), "件名:::0:::0:::本文");
  EXPECT_EQ(labels(), "件名,");
  dialogs.change = nullptr;  // cancelled: the empty item stays
  tab.newItem();
  EXPECT_EQ(item(0, 2), ":::0:::0:::");
  EXPECT_EQ(list->rowCount(), 2);
}

TEST_F(SaveTabTest, TheArrowKeysSwitchGroupsOnlyWhenTheSettingSaysSo) {
  settings.LRKeyGroupChange = 1;
  EXPECT_TRUE(tab.arrowKey(/*right=*/false));
  EXPECT_EQ(settings.CLIPDIR_IDX, 9);
  EXPECT_TRUE(tab.arrowKey(true));
  EXPECT_TRUE(tab.arrowKey(true));
  EXPECT_EQ(settings.CLIPDIR_IDX, 1);
  settings.LRKeyGroupChange = 0;
  EXPECT_FALSE(tab.arrowKey(true));
  EXPECT_EQ(settings.CLIPDIR_IDX, 1);
  EXPECT_EQ(tab.groupNames()[1], "G2");
}

TEST_F(SaveTabTest, ADropTakesExactlyOneFile) {
  fs.putFile("C:\\in\\予定表.txt", "予定");
  fs.putFile("C:\\in\\b.txt", "b");
  tab.dropFiles({"C:\\in\\予定表.txt", "C:\\in\\b.txt"});
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ドロップできるのは１ファイルです　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(list->rowCount(), 0);

  tab.dropFiles({"C:\\in"});  // a folder is no file
  EXPECT_EQ(ui.boxes().back().text, "ファイルが正しくありません　");
  EXPECT_EQ(list->rowCount(), 0);

  settings.FileGetSelectDsp = 0;  // the full path without asking
  tab.dropFiles({"C:\\in\\予定表.txt"});
  EXPECT_EQ(item(0, 1), ":::0:::0:::C:\\in\\予定表.txt");
  settings.FileGetSelectDsp = 1;  // the import choice for the dropped path
  dialogs.import = ImportChoice{ImportKind::kFileName, "C:\\in\\予定表.txt"};
  tab.dropFiles({"C:\\in\\予定表.txt"});
  EXPECT_EQ(dialogs.imports, (std::vector<std::string>{"C:\\in\\予定表.txt"}));
  EXPECT_EQ(item(0, 2), ":::0:::0:::予定表.txt");
}

TEST_F(SaveTabTest, TheMenuOffersCopyAndMoveToEveryGroupAndTheyRun) {
  list->storeInGroup(0, "a", "v");
  TabMenuContext context;
  context.saveGroupNames = {"G1", "G2", "G3", "G4", "G5", "G6", "G7", "G8", "G9", "G10"};
  context.ownGroupNames = context.saveGroupNames;
  MenuModel menu = tab.menu(context);
  EXPECT_TRUE(menu.contains(mc::CopyToSaveGroupCommand(9)));
  EXPECT_TRUE(menu.contains(mc::MoveToGroupCommand(2)));
  EXPECT_FALSE(menu.contains(mc::kCopyToGroupPlaceholder));
  EXPECT_FALSE(menu.contains(mc::kCopyToShared));
  tab.runMenuCommand(0, mc::CopyToSaveGroupCommand(1));
  tab.runMenuCommand(0, mc::MoveToGroupCommand(2));
  EXPECT_EQ(list->rowCount(), 0);
  EXPECT_EQ(item(1, 1), "a:::0:::0:::v");
  EXPECT_EQ(item(2, 1), "a:::0:::0:::v");
  EXPECT_EQ(item(0, 1), "<missing>");
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveTabTest, TheSortMenuChecksTheOrderShown) {
  fill(0, 2);
  MenuModel sort = tab.sortMenu();
  EXPECT_TRUE(sort.find(save_command::kSortByCreation)->checked);
  tab.sortBy(save_command::kSortByLabel);
  EXPECT_EQ(labels(), "L1,L2,");
  EXPECT_TRUE(tab.sortMenu().find(save_command::kSortByLabel)->checked);
}

TEST_F(SaveTabTest, SaveFromAnotherTabAsksForALabelThatCannotHoldTheSeparator) {
  SaveFromTabs saver(*list, dialogs, ui);
  dialogs.save = [](SaveDialogModel& model) {
    EXPECT_FALSE(model.label().type("a:::b"));
    EXPECT_EQ(model.result(), "");
    EXPECT_TRUE(model.label().type("挨拶"));
    return true;
  };
  EXPECT_EQ(saver.save("おはよう"), 0);
  EXPECT_EQ(item(0, 1), "挨拶:::0:::0:::おはよう");
  EXPECT_EQ(saver.saveToGroup("夜", 6), 0);
  EXPECT_EQ(item(6, 1), "挨拶:::0:::0:::夜");
  ASSERT_EQ(ui.boxes().size(), 2u);
  EXPECT_EQ(ui.boxes()[0].text, "ラベルに「:::」は使用できません　");
  dialogs.save = nullptr;
  EXPECT_EQ(saver.save("x"), 1);  // cancelled
  EXPECT_EQ(list->rowCount(), 1);
}

TEST_F(SaveTabTest, TheExplanationFollowsTheSetting) {
  settings.TabHelpDsp = 1;
  EXPECT_EQ(tab.explanation().rfind("【保存タブ】\n\n保存タブは履歴タブのテキストを保存したり", 0), 0u);
  settings.TabHelpDsp = 0;
  EXPECT_EQ(tab.explanation(), "");
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

TEST_F(SaveTabTest, TheContentViewShowsTheExactFormOfATextCodePage932CannotHold) {
  ASSERT_EQ(list->storeInGroup(0, "", "caf?", "caf\xC3\xA9"), 0);  // "café" in UTF-8
  tab.runMenuCommand(0, mc::kContentView);
  EXPECT_EQ(dialogs.contents, (std::vector<std::string>{"caf? exact caf\xC3\xA9"}));
}

// "変更..." edits such a text in its exact form; what it is changed to decides the companion.
TEST_F(SaveTabTest, TheChangeDialogEditsTheExactFormAndTheCompanionFollowsTheNewValue) {
  const std::string cafe = "caf\xC3\xA9";             // "café"
  const std::string cafeChanged = "caf\xC3\xA9 \xF0\x9F\x98\x80";  // "café 😀"
  ASSERT_EQ(list->storeInGroup(0, "l", "caf?", cafe), 0);
  dialogs.change = [&](ChangeDialogModel& model) {
    EXPECT_TRUE(model.editsExactForm());
    EXPECT_EQ(model.exactForm(), cafe);
    model.replaceExactText(cafeChanged, "caf? ??");
    return true;
  };
  tab.runMenuCommand(0, save_command::kChange);
  std::string exact;
  ASSERT_EQ(list->exactValue(0, exact), 0);
  EXPECT_EQ(exact, cafeChanged);
  EXPECT_EQ(item(0, 1), "l:::0:::0:::caf? ??");

  // Changed into a text code page 932 holds: the companion goes.
  dialogs.change = [](ChangeDialogModel& model) {
    model.replaceExactText("", "cafe");
    return true;
  };
  tab.runMenuCommand(0, save_command::kChange);
  ASSERT_EQ(list->exactValue(0, exact), 0);
  EXPECT_EQ(exact, "");
  EXPECT_FALSE(fs.contentOf(CompanionPathOf(SaveItemPath(0, 1))).has_value());

  // A value with macros is edited in its code-page-932 form, as before.
  ASSERT_EQ(list->storeInGroup(0, "m", "<@@SYSDATE><@YY2/><@@/SYSDATE>?", "x"), 0);
  dialogs.change = [](ChangeDialogModel& model) {
    EXPECT_FALSE(model.editsExactForm());
    return false;
  };
  tab.runMenuCommand(0, save_command::kChange);
  ExpectUiScriptFinished(ui);
}

}  // namespace
}  // namespace qb
