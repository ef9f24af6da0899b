#include "platform/win32/text_conversion.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(TextConversion, JapaneseWithBackslashTrailBytesRoundTrips) {
  const std::string sjis = "表示ソ";
  ASSERT_EQ(sjis, std::string("\x95\x5C\x8E\xA6\x83\x5C"));
  EXPECT_EQ(SjisToWide(sjis), std::wstring(L"表示ソ"));
  EXPECT_EQ(WideToSjis(L"表示ソ"), sjis);
}

TEST(TextConversion, HalfWidthKanaSymbolsAndLineBreaksRoundTrip) {
  for (const std::string text : {"ｶﾀｶﾅ", "C:\\data\\予定表.cln", "①～〜－",
                                 "一行目\r\n二行目\t終",
                                 "ﾌｧｲﾙの書き込みに失敗しました(m_FileAdd)"}) {
    EXPECT_EQ(WideToSjis(SjisToWide(text)), text) << text;
  }
  // A backslash stays a backslash (no yen sign).
  EXPECT_EQ(SjisToWide("C:\\x"), std::wstring(L"C:\\x"));
}

TEST(TextConversion, EmptyTextStaysEmpty) {
  EXPECT_EQ(SjisToWide(""), std::wstring());
  EXPECT_EQ(WideToSjis(L""), std::string());
  EXPECT_EQ(WideToSjisExact(L""), std::string());
}

TEST(TextConversion, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(WideToSjis(L"caf\u00E9 \u20AC!"), std::string("caf? ?!"));
  EXPECT_EQ(WideToSjisExact(L"caf\u00E9"), std::nullopt);
  EXPECT_EQ(WideToSjisExact(L"表示ソ"), std::string("表示ソ"));
}

TEST(TextConversion, NoLookAlikeTurnsIntoABackslash) {
  // U+2216 SET MINUS looks like a backslash but is not one.
  EXPECT_EQ(WideToSjis(L"a\u2216b").find('\\'), std::string::npos);
}

TEST(TextConversion, EmbeddedNulsAreKept) {
  const std::string text("a\0b", 3);
  EXPECT_EQ(SjisToWide(text), std::wstring(L"a\0b", 3));
  EXPECT_EQ(WideToSjis(std::wstring(L"a\0b", 3)), text);
}

}  // namespace
}  // namespace qb
