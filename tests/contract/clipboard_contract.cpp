// What every Clipboard must do, checked the same way on the fake and on the system clipboard.
#include <string>

#include "tests/contract/contract_factory.h"

namespace qb::contract {

int LinkClipboardContract() { return 0; }
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ClipboardContract);

namespace {

// Kanji and kana with 0x5C trail bytes, half-width katakana, a backslash, a tilde, CR LF.
constexpr const char* kSample = "表示ソ ｶﾀｶﾅ C:\\data ~\r\n二行目";

}  // namespace

TEST_P(ClipboardContract, ATextSetIsReadBackAfterReopening) {
  ASSERT_TRUE(clipboard().open());
  EXPECT_TRUE(clipboard().empty());
  EXPECT_TRUE(clipboard().setText(kSample));
  clipboard().close();
  ASSERT_TRUE(clipboard().open());
  EXPECT_TRUE(clipboard().hasText());
  EXPECT_EQ(clipboard().getText(), std::string(kSample));
  clipboard().close();
}

// A text beyond code page 932 reads back exact, and its code-page-932 form has "?" where a
// character cannot be held; a text code page 932 holds has no exact form of its own.
TEST_P(ClipboardContract, AnExactTextReadsBackExactAndInItsCodePage932Form) {
  const std::u8string exact = u8"café 😀 𠮷野家 한";
  const std::string exactBytes(exact.begin(), exact.end());
  ASSERT_TRUE(clipboard().open());
  clipboard().empty();
  EXPECT_TRUE(clipboard().setExactText("caf? ?? ??野家 ?", exactBytes));
  clipboard().close();
  ASSERT_TRUE(clipboard().open());
  EXPECT_EQ(clipboard().getExactText(), exactBytes);
  EXPECT_EQ(clipboard().getText(), std::string("caf? ?? ??野家 ?"));
  clipboard().empty();
  clipboard().setText(kSample);
  EXPECT_EQ(clipboard().getExactText(), "");
  clipboard().close();
}

TEST_P(ClipboardContract, ANewTextReplacesTheOldOne) {
  ASSERT_TRUE(clipboard().open());
  clipboard().empty();
  clipboard().setText("first");
  clipboard().close();
  ASSERT_TRUE(clipboard().open());
  clipboard().empty();
  clipboard().setText("second");
  clipboard().close();
  ASSERT_TRUE(clipboard().open());
  EXPECT_EQ(clipboard().getText(), std::string("second"));
  clipboard().close();
}

TEST_P(ClipboardContract, AnEmptiedClipboardHasNoText) {
  ASSERT_TRUE(clipboard().open());
  clipboard().setText("something");
  EXPECT_TRUE(clipboard().empty());
  EXPECT_FALSE(clipboard().hasText());
  EXPECT_EQ(clipboard().getText(), std::nullopt);
  clipboard().close();
}

TEST_P(ClipboardContract, ContentThatIsNotTextIsNoText) {
  harness().placeNonText();
  ASSERT_TRUE(clipboard().open());
  EXPECT_FALSE(clipboard().hasText());
  EXPECT_EQ(clipboard().getText(), std::nullopt);
  clipboard().close();
}

TEST_P(ClipboardContract, TheTextFormatIsSeenWithoutOpening) {
  ASSERT_TRUE(clipboard().open());
  clipboard().empty();
  clipboard().setText("seen");
  clipboard().close();
  EXPECT_TRUE(clipboard().hasText());
  harness().placeNonText();
  EXPECT_FALSE(clipboard().hasText());
}

TEST_P(ClipboardContract, PrivacyFormatsMarkTheContentPrivate) {
  using Mark = ClipboardHarness::PrivacyMark;
  for (Mark mark : {Mark::kExcludeFromMonitoring, Mark::kViewerIgnore, Mark::kNotInHistory}) {
    harness().placeMarkedText("secret", mark);
    ASSERT_TRUE(clipboard().open());
    EXPECT_TRUE(clipboard().isPrivate()) << static_cast<int>(mark);
    EXPECT_EQ(clipboard().getText(), std::string("secret"));
    clipboard().close();
  }
  // "CanIncludeInClipboardHistory" with 1 allows it, and a plain text is not private.
  harness().placeMarkedText("public", Mark::kInHistory);
  ASSERT_TRUE(clipboard().open());
  EXPECT_FALSE(clipboard().isPrivate());
  clipboard().empty();
  clipboard().setText("plain");
  EXPECT_FALSE(clipboard().isPrivate());
  clipboard().close();
}

TEST_P(ClipboardContract, OpenFailsWhileAnotherProgramHoldsTheClipboard) {
  harness().holdOutside();
  EXPECT_FALSE(clipboard().open());
  harness().releaseOutsideHold();
  ASSERT_TRUE(clipboard().open());
  clipboard().close();
}

}  // namespace qb::contract
