#include "lan/envelope.h"

#include <gtest/gtest.h>

#include "lan/ipv4_text.h"
#include "lan/scramble.h"
#include "lan_test_support.h"

namespace qb {
namespace {

using lantest::HeadFrom;

TEST(EnvelopeTest, CheckRequestIsByteForByteWithItsOwnLength) {
  std::string text = BuildOpenNotice(kOpenCheckRequest, HeadFrom("192.168.0.10", "G1"));
  EXPECT_EQ(text,
            "QUILLBOX-OP1:::0000101:::OPEN:::OPEN_CHECK_R:::20070102030405:::192.168.0.10:::G1:::"
            "V3.34:::0:::0:::0");
  EXPECT_EQ(text.size(), 101u);
}

TEST(EnvelopeTest, EveryFamilyDeclaresItsTrueLengthAndScope) {
  auto head = HeadFrom("10.1.2.3", "KEY");
  for (const std::string& text :
       {BuildMainte(kMainteAllIpRequest, head), BuildCommUpdate(kCommUpdateAnswer, head),
        BuildOpenInfo(kOpenInfoAnswer, head, "name", true, "x:::y")}) {
    ParsedDatagram parsed = ParseEnvelope(text);
    EXPECT_EQ(std::stoul(parsed[kFieldLength]), text.size()) << text;
  }
  EXPECT_EQ(ParseEnvelope(BuildMainte(kMainteAllIpRequest, head))[kFieldScope], "");
  ParsedDatagram comm = ParseEnvelope(BuildCommUpdate(kCommUpdateRequest, head));
  EXPECT_EQ(comm[kFieldScope], "KEY");
  EXPECT_EQ(comm[11], "0");
  EXPECT_EQ(comm[12], "");
}

TEST(EnvelopeTest, PublishedTextWithSeparatorsArrivesWholeInField17) {
  std::string text = BuildOpenInfo(kOpenInfoRequest, HeadFrom("10.0.0.1", "G1"), "me", true,
                                   "a:::b:::c:::d:::e:::f:::g:::h:::i:::j:::k:::l:::m:::n");
  ParsedDatagram parsed = ParseEnvelope(text);
  EXPECT_EQ(parsed[kFieldLastField], "17");
  EXPECT_EQ(parsed[17], "a:::b:::c:::d:::e:::f:::g:::h:::i:::j:::k:::l:::m:::n");
  EXPECT_EQ(PublishedTextOf(parsed), parsed[17]);
  EXPECT_EQ(parsed[18], "");
  EXPECT_EQ(parsed[kFieldPublisherName], "me");
  EXPECT_EQ(parsed[kFieldPublishing], "1");
}

TEST(EnvelopeTest, OtherMessagesKeepThirtyFieldsAndDropTheRest) {
  std::string text = "QUILLBOX-OP1";
  for (int i = 1; i < 40; ++i) text += ":::" + std::to_string(i);
  ParsedDatagram parsed = ParseEnvelope(text);
  EXPECT_EQ(parsed[29], "29");
  // An OPEN_INFO whose field 14 points outside 14-29 has no published text.
  ParsedDatagram info = ParseEnvelope("QUILLBOX-OP1:::0:::OPEN:::OPEN_INFO_A:::4:::5:::6:::7:::8:::"
                                      "9:::10:::11:::12:::13:::99:::15");
  EXPECT_EQ(OpenInfoLastField(info), -1);
  EXPECT_EQ(PublishedTextOf(info), "");
}

TEST(EnvelopeTest, PublishedTextIsCutTo8192BytesNeverInsideACharacter) {
  EXPECT_EQ(CutPublishedText(std::string(9000, 'a')).size(), 8192u);
  std::string wide = std::string(8191, 'a') + "\x82\xA0" + "tail";  // a double-byte character at 8191
  EXPECT_EQ(CutPublishedText(wide), std::string(8191, 'a'));
  EXPECT_EQ(NotPublishedText(), "<< 未公開 >>");
}

TEST(ScrambleTest, RoundTripsAnyBytesAtTheSameLength) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  all += all;
  std::string scrambled = Scramble(all);
  EXPECT_EQ(scrambled.size(), all.size());
  EXPECT_NE(scrambled, all);
  EXPECT_EQ(Unscramble(scrambled), all);
  EXPECT_EQ(Unscramble(Scramble("")), "");
}

TEST(ScrambleTest, MagicIsInvertedAndBodyBytesRotateByThreeToSix) {
  std::string text = std::string("QUILLBOX-OP1") + "\x01\x01\x01\x01\x01";
  std::string out = Scramble(text);
  EXPECT_EQ(static_cast<unsigned char>(out[0]), static_cast<unsigned char>(~'Q'));
  // ~0x01 = 0xFE; rotated left by 3, 4, 5, 6, then 3 again.
  EXPECT_EQ(static_cast<unsigned char>(out[12]), 0xF7);
  EXPECT_EQ(static_cast<unsigned char>(out[13]), 0xEF);
  EXPECT_EQ(static_cast<unsigned char>(out[14]), 0xDF);
  EXPECT_EQ(static_cast<unsigned char>(out[15]), 0xBF);
  EXPECT_EQ(static_cast<unsigned char>(out[16]), 0xF7);
}

TEST(Ipv4TextTest, StrictDottedQuadsOnly) {
  std::uint32_t value = 7;
  EXPECT_TRUE(ParseIpv4("192.168.0.10", value));
  EXPECT_EQ(FormatIpv4(value), "192.168.0.10");
  for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.4 ", "a.b.c.d", "1..2.3"}) {
    EXPECT_FALSE(ParseIpv4(bad, value)) << bad;
  }
}

}  // namespace
}  // namespace qb
