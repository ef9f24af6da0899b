// Positions between the core's Shift-JIS texts and the controls, and the change typed into a
// control, where line breaks and double-byte characters make them differ.
#include <gtest/gtest.h>

#include "app/win32/dialogs/text_change.h"
#include "winui/dialogs/rich_text_map.h"

namespace qb {
namespace {

using winui::RichTextMap;

TEST(RichTextMapTest, ALineBreakIsOnePositionAndADoubleByteCharacterOne) {
  const RichTextMap map("a\r\nあb");  // bytes: a CR LF 82 A0 b
  EXPECT_EQ(map.controlLength(), 4);
  EXPECT_EQ(map.toControl(0), 0);
  EXPECT_EQ(map.toControl(1), 1);
  EXPECT_EQ(map.toControl(3), 2);
  EXPECT_EQ(map.toControl(4), 2);  // the trail byte belongs to its character
  EXPECT_EQ(map.toControl(5), 3);
  EXPECT_EQ(map.toControl(6), 4);
  EXPECT_EQ(map.toByte(2), 3u);
  EXPECT_EQ(map.toByte(4), 6u);
  EXPECT_EQ(map.toByte(99), 6u);
  EXPECT_EQ(map.toByte(-1), 0u);
}

TEST(RichTextMapTest, LoneBreaksAndAnEmptyText) {
  const RichTextMap map("\n\r");
  EXPECT_EQ(map.controlLength(), 2);
  EXPECT_EQ(RichTextMap("").controlLength(), 0);
  EXPECT_EQ(RichTextMap("").toByte(0), 0u);
}

TEST(TextChangeTest, InsertionDeletionAndReplacement) {
  EXPECT_EQ(FindTextChange(L"abc", L"abXc"), (TextChange{2, 2, 3}));
  EXPECT_EQ(FindTextChange(L"abc", L"ac"), (TextChange{1, 2, 1}));
  EXPECT_EQ(FindTextChange(L"abc", L"aXYc"), (TextChange{1, 2, 3}));
  EXPECT_EQ(FindTextChange(L"aaa", L"aaaa"), (TextChange{3, 3, 4}));
  EXPECT_EQ(FindTextChange(L"", L"x"), (TextChange{0, 0, 1}));
  EXPECT_EQ(FindTextChange(L"same", L"same"), (TextChange{4, 4, 4}));
}

TEST(TextChangeTest, NeverCutsALineBreakInTwo) {
  // "a\r\nb" -> "a\rb": the whole break was replaced, not only its line feed.
  EXPECT_EQ(FindTextChange(L"a\r\nb", L"a\rb"), (TextChange{1, 3, 2}));
  EXPECT_EQ(FindTextChange(L"a\r\nb", L"a\r\r\nb"), (TextChange{1, 1, 2}));
}

}  // namespace
}  // namespace qb
