#include "app/tablist/tab_menu.h"

#include <gtest/gtest.h>

#include "app/tablist/menu_commands.h"

namespace qb {
namespace {

namespace mc = menu_command;

TabMenuContext Context() {
  TabMenuContext context;
  for (int i = 0; i < 10; ++i) {
    context.saveGroupNames[static_cast<std::size_t>(i)] = "保存" + std::to_string(i + 1);
    context.ownGroupNames[static_cast<std::size_t>(i)] = "自" + std::to_string(i + 1);
  }
  context.currentSaveGroup = 2;
  context.currentOwnGroup = 0;
  return context;
}

// A menu of the pattern the Save and Plan tabs use: both placeholders.
MenuModel TwoPlaceholderMenu() {
  return MenuModel({MenuEntry::Command("作業中文書に貼り付け", mc::kPasteToDocument),
                    MenuEntry::Command("クリップボードへコピー", mc::kCopyToClipboard),
                    MenuEntry::Submenu("複写", {MenuEntry::Command("", mc::kCopyToGroupPlaceholder)}),
                    MenuEntry::Submenu("移動", {MenuEntry::Command("", mc::kMoveToGroupPlaceholder)}),
                    MenuEntry::Separator(),
                    MenuEntry::Command("共有へ複写...", mc::kCopyToShared)});
}

TEST(TabMenu, GroupSubmenusTakeTheGroupNamesAndCheckTheCurrentGroup) {
  MenuModel menu = TwoPlaceholderMenu();
  InsertGroupSubmenus(menu, Context());
  EXPECT_FALSE(menu.contains(mc::kCopyToGroupPlaceholder));
  EXPECT_FALSE(menu.contains(mc::kMoveToGroupPlaceholder));
  const std::vector<MenuEntry>& copy = menu.entries()[2].children;
  ASSERT_EQ(copy.size(), 10u);
  EXPECT_EQ(copy[0].command, 61219);
  EXPECT_EQ(copy[1].command, 61210);
  EXPECT_EQ(copy[9].command, 61218);
  EXPECT_EQ(copy[2].caption, "保存3");
  EXPECT_TRUE(copy[2].checked);
  EXPECT_FALSE(copy[0].checked);
  const std::vector<MenuEntry>& move = menu.entries()[3].children;
  EXPECT_EQ(move[0].command, 61221);
  EXPECT_EQ(move[9].command, 61230);
  EXPECT_TRUE(move[0].checked);
  EXPECT_EQ(mc::SaveGroupOfCopyCommand(61219), 0);
  EXPECT_EQ(mc::SaveGroupOfCopyCommand(61218), 9);
  EXPECT_EQ(mc::SaveGroupOfCopyCommand(61220), -1);
}

TEST(TabMenu, PreparationFollowsTheSettings) {
  TabMenuContext context = Context();
  MenuModel menu = TwoPlaceholderMenu();
  PrepareTabMenu(menu, context);
  EXPECT_TRUE(menu.find(mc::kPasteToDocument)->isDefault);
  EXPECT_TRUE(menu.contains(mc::kCopyToShared));

  context.sharedTabEnabled = false;
  context.clickPastes = false;
  menu = TwoPlaceholderMenu();
  PrepareTabMenu(menu, context);
  EXPECT_FALSE(menu.contains(mc::kCopyToShared));
  EXPECT_EQ(menu.entries().back().kind, MenuEntry::Kind::kSubmenu);  // its separator went too
  EXPECT_TRUE(menu.find(mc::kCopyToClipboard)->isDefault);
  EXPECT_FALSE(menu.find(mc::kPasteToDocument)->isDefault);
}

TEST(TabMenu, TheHistoryMenuOffersItsCommandsAndTheSaveGroups) {
  MenuModel menu = HistoryMenuPattern();
  InsertGroupSubmenus(menu, Context());
  for (int command : {mc::kPartialSelection, mc::kPasteTrimEnds, mc::kPasteNoBlanks,
                      mc::kPasteTabPerLine, mc::kBulkPasteAbove, mc::kBulkPasteBelowBreaks,
                      mc::kContentView, mc::kSave, mc::kMoveToTop, mc::kSplitWithBreaks,
                      mc::kJoinAbove, mc::kJoinAboveBreaks, mc::kDelete, 61219, 61218}) {
    EXPECT_TRUE(menu.contains(command)) << command;
  }
  EXPECT_FALSE(menu.contains(mc::kCopyToGroupPlaceholder));
  EXPECT_FALSE(menu.contains(mc::kMoveToGroupPlaceholder));
}

TEST(TabMenu, EmptySubmenusGo) {
  using E = MenuEntry;
  MenuModel menu({E::Command("a", 1), E::Separator(),
                  E::Submenu("特殊貼り付け", {E::Command("b", 2), E::Submenu("プラン呼び出し", {})}),
                  E::Separator(), E::Submenu("指定保存...", {E::Submenu("inner", {})}),
                  E::Separator(), E::Command("c", 3), E::Separator()});
  menu.removeEmptySubmenus();
  ASSERT_EQ(menu.entries().size(), 5u);
  EXPECT_EQ(menu.entries()[2].children.size(), 1u);  // "プラン呼び出し" went
  EXPECT_EQ(menu.entries()[3].kind, MenuEntry::Kind::kSeparator);  // one separator, not two
  EXPECT_EQ(menu.entries()[4].command, 3);  // no separator at the end
}

}  // namespace
}  // namespace qb
