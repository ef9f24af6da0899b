// The +1 / -1 byte shift of stored files: wrap-around at 0x00 and 0xFF, every byte value.
#include "base/byte_shift.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using namespace std::string_literals;

TEST(ByteShift, Up) {
  EXPECT_EQ(ShiftBytesUp(""), "");
  EXPECT_EQ(ShiftBytesUp("a b"), "b!c");
  EXPECT_EQ(ShiftBytesUp("\x00"s), "\x01"s);
  EXPECT_EQ(ShiftBytesUp("\xFF"s), "\x00"s);
  EXPECT_EQ(ShiftBytesUp("\x95\x5C"s), "\x96\x5D"s);
}

TEST(ByteShift, Down) {
  EXPECT_EQ(ShiftBytesDown(""), "");
  EXPECT_EQ(ShiftBytesDown("b!c"), "a b");
  EXPECT_EQ(ShiftBytesDown("\x00"s), "\xFF"s);
  EXPECT_EQ(ShiftBytesDown("\x01"s), "\x00"s);
}

TEST(ByteShift, EmbeddedZeroKeepsTheLength) {
  const std::string plain = "a\x00\xFF" "b"s;
  ASSERT_EQ(plain.size(), 4u);
  EXPECT_EQ(ShiftBytesUp(plain), "b\x01\x00" "c"s);
  EXPECT_EQ(ShiftBytesUp(plain).size(), 4u);
}

TEST(ByteShift, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string up = ShiftBytesUp(all);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(static_cast<unsigned char>(up[b]), (b + 1) % 256) << b;
  }
  EXPECT_EQ(ShiftBytesDown(up), all);
  EXPECT_EQ(ShiftBytesUp(ShiftBytesDown(all)), all);
}

TEST(ByteShift, InPlaceMatchesCopying) {
  std::string all;
  for (int b = 255; b >= 0; --b) all += static_cast<char>(b);
  std::string bytes = all;
  ShiftBytesUpInPlace(bytes);
  EXPECT_EQ(bytes, ShiftBytesUp(all));
  ShiftBytesDownInPlace(bytes);
  EXPECT_EQ(bytes, all);
  std::string empty;
  ShiftBytesUpInPlace(empty);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace qb
