// Save items of texts code page 932 cannot hold keep their exact form beside the item, as the
// History's do: through storing, the group switch, copy and move, a change and deletion.
#include <gtest/gtest.h>

#include "history/exact_companion.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/save/save_fixture.h"

namespace qb {
namespace {

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// Named: a u8 literal inside a test macro would be turned into a Shift-JIS message text.
const std::string kCafe = U8(u8"café");
const std::string kMixed = U8(u8"café 😀 𠮷野家");

class SaveExactTextTest : public ::testing::Test, public SaveWorld {
 protected:
  std::string exactOf(int row) {
    std::string exact;
    EXPECT_EQ(list->exactValue(row, exact), 0);
    return exact;
  }
  bool hasCompanion(int group, int number) {
    return fs.contentOf(CompanionPathOf(SaveItemPath(group, number))).has_value();
  }
};

TEST_F(SaveExactTextTest, AnExactTextStaysExactInItsGroupAndThroughCopyAndMove) {
  ASSERT_EQ(list->storeInGroup(0, "名前", "caf? ?? ??野家", kMixed), 0);
  EXPECT_EQ(item(0, 1), "名前:::0:::0:::caf? ?? ??野家");  // the item as before
  EXPECT_EQ(exactOf(0), kMixed);
  EXPECT_EQ(list->row(0).exactShown, kMixed);
  ASSERT_EQ(list->storeInGroup(3, "", "caf?", kCafe), 0);  // a group not shown
  EXPECT_TRUE(hasCompanion(3, 1));

  ASSERT_EQ(list->copyToSaveGroup(0, 4), 0);
  ASSERT_EQ(list->moveToGroup(0, 5), 0);
  EXPECT_FALSE(hasCompanion(0, 1));
  ASSERT_EQ(list->chooseGroup(5), 0);
  EXPECT_EQ(exactOf(0), kMixed);
  ASSERT_EQ(list->chooseGroup(4), 0);
  EXPECT_EQ(exactOf(0), kMixed);
  ASSERT_EQ(list->chooseGroup(3), 0);
  EXPECT_EQ(exactOf(0), kCafe);

  // A new label keeps the exact form; a changed value no longer fits it.
  ASSERT_EQ(list->updateItem(0, "label", "caf?"), 0);
  EXPECT_EQ(exactOf(0), kCafe);
  ASSERT_EQ(list->updateItem(0, "label", "caf? changed"), 0);
  EXPECT_EQ(exactOf(0), "");
  EXPECT_FALSE(hasCompanion(3, 1));
  ExpectUiScriptFinished(ui);
}

TEST_F(SaveExactTextTest, DeletionOrphansAndAFailedCompanionWriteLeaveTheItemsAsBefore) {
  ASSERT_EQ(list->storeInGroup(0, "", "caf?", kCafe), 0);
  ASSERT_EQ(list->deleteItem(0, false), 0);
  EXPECT_FALSE(hasCompanion(0, 1));

  fs.failNext(FileOperation::kWriteAtomically, "*.utf", FakeFileError::kAccessDenied);
  ASSERT_EQ(list->storeInGroup(0, "", "caf?", kCafe), 0);
  EXPECT_EQ(item(0, 1), ":::0:::0:::caf?");
  EXPECT_EQ(exactOf(0), "");
  EXPECT_EQ(closeRequests, 0);

  fs.putFile(CompanionPathOf(SaveItemPath(0, 7)), BuildExactCompanion("x", kCafe));
  ASSERT_EQ(list->load(), 0);
  EXPECT_FALSE(hasCompanion(0, 7));
  ExpectUiScriptFinished(ui);
}

}  // namespace
}  // namespace qb
