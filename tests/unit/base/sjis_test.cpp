// Shift-JIS walking: lead-byte ranges, 0x5C trail bytes, lone lead bytes, cuts.
#include "base/sjis.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace qb {
namespace {

// "表示ソ" in code page 932: 95 5C | 8E A6 | 83 5C (two of the trail bytes are '\\').
const std::string kHyojiSo = "\x95\x5C\x8E\xA6\x83\x5C";

TEST(SjisLiteral, NarrowLiteralsAreCodePage932) {
  // The build compiles narrow literals to CP932 (-fexec-charset=CP932).
  EXPECT_EQ(std::string("表示ソ"), kHyojiSo);
}

TEST(SjisLeadByte, RangeEdges) {
  EXPECT_FALSE(IsSjisLeadByte(0x00));
  EXPECT_FALSE(IsSjisLeadByte(0x5C));
  EXPECT_FALSE(IsSjisLeadByte(0x7F));
  EXPECT_FALSE(IsSjisLeadByte(0x80));
  EXPECT_TRUE(IsSjisLeadByte(0x81));
  EXPECT_TRUE(IsSjisLeadByte(0x9F));
  EXPECT_FALSE(IsSjisLeadByte(0xA0));
  EXPECT_FALSE(IsSjisLeadByte(0xB1));  // half-width katakana
  EXPECT_FALSE(IsSjisLeadByte(0xDF));
  EXPECT_TRUE(IsSjisLeadByte(0xE0));
  EXPECT_TRUE(IsSjisLeadByte(0xFC));
  EXPECT_FALSE(IsSjisLeadByte(0xFD));
  EXPECT_FALSE(IsSjisLeadByte(0xFF));
}

TEST(SjisCharLength, OneTwoAndEnd) {
  EXPECT_EQ(SjisCharLength(kHyojiSo, 0), 2u);
  EXPECT_EQ(SjisCharLength(kHyojiSo, 4), 2u);
  EXPECT_EQ(SjisCharLength("a", 0), 1u);
  EXPECT_EQ(SjisCharLength("a\x95", 1), 1u);  // lead byte as the last byte
  EXPECT_EQ(SjisCharLength("ab", 2), 0u);     // past the end: no character
  EXPECT_EQ(SjisCharLength("", 0), 0u);
}

TEST(SjisCharCount, Counts) {
  EXPECT_EQ(SjisCharCount(""), 0u);
  EXPECT_EQ(SjisCharCount("abc"), 3u);
  EXPECT_EQ(SjisCharCount(kHyojiSo), 3u);
  EXPECT_EQ(SjisCharCount("a\x95\x5C" "b"), 3u);
  EXPECT_EQ(SjisCharCount("\xB1\xB2"), 2u);       // half-width katakana are single bytes
  EXPECT_EQ(SjisCharCount("a\x95"), 2u);          // lone lead byte at the end counts once
  EXPECT_EQ(SjisCharCount("\x95"), 1u);
  EXPECT_EQ(SjisCharCount("\x81\x81\x81"), 2u);   // a trail byte in the lead range
}

TEST(SjisCharToByte, Positions) {
  EXPECT_EQ(SjisCharToByte(kHyojiSo, 0), 0u);
  EXPECT_EQ(SjisCharToByte(kHyojiSo, 1), 2u);
  EXPECT_EQ(SjisCharToByte(kHyojiSo, 2), 4u);
  EXPECT_EQ(SjisCharToByte(kHyojiSo, 3), 6u);
  EXPECT_EQ(SjisCharToByte(kHyojiSo, 50), 6u);  // fewer characters: text.size()
  EXPECT_EQ(SjisCharToByte("a\x95", 1), 1u);
  EXPECT_EQ(SjisCharToByte("a\x95", 2), 2u);
  EXPECT_EQ(SjisCharToByte("", 0), 0u);
  EXPECT_EQ(SjisCharToByte("", 3), 0u);
}

TEST(SjisByteToChar, TrailBytesBelongToTheirLead) {
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 0), 0u);
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 1), 0u);  // the 0x5C trail of 表
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 2), 1u);
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 3), 1u);
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 4), 2u);
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 5), 2u);  // the 0x5C trail of ソ
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 6), 3u);  // at the end: the character count
  EXPECT_EQ(SjisByteToChar(kHyojiSo, 99), 3u);
  EXPECT_EQ(SjisByteToChar("\x81\x81\x81", 1), 0u);
  EXPECT_EQ(SjisByteToChar("\x81\x81\x81", 2), 1u);
}

TEST(SjisCharCount, AgreesWithWalkingCharacterByCharacter) {
  // Bytes from the ranges that matter: ASCII, trail-only, lead (also valid trail) and the rest.
  const unsigned char pool[] = {'a', '\\', 0x0A, 0x40, 0x7F, 0x80, 0x81, 0x9F, 0xA0, 0xB1, 0xDF, 0xE0, 0xFC, 0xFD, 0xFF};
  std::uint32_t state = 7;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int length = round % 71; length > 0; --length) {  // whole blocks of 16 and the rest
      state = state * 1103515245u + 12345u;
      text.push_back(static_cast<char>(pool[(state >> 16) % sizeof pool]));
    }
    std::size_t walked = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += SjisCharLength(text, pos)) ++walked;
    ASSERT_EQ(SjisCharCount(text), walked) << round;
  }
}

TEST(SjisByteToChar, InverseOfCharToByte) {
  const std::string text = "a" + kHyojiSo + "\xB1" "b\x95";
  const std::size_t count = SjisCharCount(text);
  for (std::size_t i = 0; i < count; ++i) {
    EXPECT_EQ(SjisByteToChar(text, SjisCharToByte(text, i)), i) << i;
  }
}

TEST(SjisTrailPosition, WalksFromTheStart) {
  EXPECT_FALSE(IsSjisTrailPosition(kHyojiSo, 0));
  EXPECT_TRUE(IsSjisTrailPosition(kHyojiSo, 1));
  EXPECT_FALSE(IsSjisTrailPosition(kHyojiSo, 2));
  EXPECT_TRUE(IsSjisTrailPosition(kHyojiSo, 3));
  EXPECT_FALSE(IsSjisTrailPosition(kHyojiSo, 4));
  EXPECT_TRUE(IsSjisTrailPosition(kHyojiSo, 5));
  EXPECT_FALSE(IsSjisTrailPosition(kHyojiSo, 6));  // past the end
  // 0x81 is a lead byte value, but the middle one here is a trail and the last one a lone lead.
  EXPECT_TRUE(IsSjisTrailPosition("\x81\x81\x81", 1));
  EXPECT_FALSE(IsSjisTrailPosition("\x81\x81\x81", 2));
  EXPECT_FALSE(IsSjisTrailPosition("a\x95", 1));
  EXPECT_FALSE(IsSjisTrailPosition("", 0));
}

TEST(SjisHalfWidthLength, DoubleByteCountsTwo) {
  EXPECT_EQ(HalfWidthLength(""), 0u);
  EXPECT_EQ(HalfWidthLength("abc"), 3u);
  EXPECT_EQ(HalfWidthLength(kHyojiSo), 6u);
  EXPECT_EQ(HalfWidthLength("\xB1\xB2\xB3"), 3u);
  EXPECT_EQ(HalfWidthLength("a\x95"), 2u);
  EXPECT_EQ(HalfWidthLength("a" + kHyojiSo), 7u);
}

TEST(SjisCut, CutBytesIsExact) {
  EXPECT_EQ(CutBytes(kHyojiSo, 0), "");
  EXPECT_EQ(CutBytes(kHyojiSo, 3), "\x95\x5C\x8E");  // splits 示
  EXPECT_EQ(CutBytes(kHyojiSo, 6), kHyojiSo);
  EXPECT_EQ(CutBytes(kHyojiSo, 100), kHyojiSo);
  EXPECT_EQ(CutBytes("", 5), "");
}

TEST(SjisCut, CutBytesWholeNeverSplits) {
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 0), "");
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 1), "");                 // would split 表
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 2), "\x95\x5C");
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 3), "\x95\x5C");         // would split 示
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 4), "\x95\x5C\x8E\xA6");
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 5), "\x95\x5C\x8E\xA6");  // would split ソ
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 6), kHyojiSo);
  EXPECT_EQ(CutBytesWhole(kHyojiSo, 7), kHyojiSo);
  EXPECT_EQ(CutBytesWhole("ab", 1), "a");
  EXPECT_EQ(CutBytesWhole("a\x95", 2), "a\x95");              // a lone lead byte is whole
  EXPECT_EQ(CutBytesWhole("\x81\x81\x81", 2), "\x81\x81");
  EXPECT_EQ(CutBytesWhole("\x81\x81\x81", 1), "");
}

}  // namespace
}  // namespace qb
