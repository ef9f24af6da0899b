// Dotted IPv4 <-> twelve digits, including short and malformed inputs.
#include "base/ip_digits.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(IpToDigits12, FullAddresses) {
  EXPECT_EQ(IpToDigits12("192.168.1.5"), "192168001005");
  EXPECT_EQ(IpToDigits12("10.0.0.1"), "010000000001");
  EXPECT_EQ(IpToDigits12("255.255.255.255"), "255255255255");
  EXPECT_EQ(IpToDigits12("0.0.0.0"), "000000000000");
  EXPECT_EQ(IpToDigits12("127.0.0.1"), "127000000001");
}

TEST(IpToDigits12, ShortInputsReadMissingPartsAsZero) {
  EXPECT_EQ(IpToDigits12(""), "000000000000");
  EXPECT_EQ(IpToDigits12("7"), "007000000000");
  EXPECT_EQ(IpToDigits12("192.168"), "192168000000");
  EXPECT_EQ(IpToDigits12("1.2.3"), "001002003000");
  EXPECT_EQ(IpToDigits12("1.2.3."), "001002003000");
  EXPECT_EQ(IpToDigits12("..."), "000000000000");
}

TEST(IpToDigits12, PartsAreLeadingDigits) {
  EXPECT_EQ(IpToDigits12("1..3.4"), "001000003004");
  EXPECT_EQ(IpToDigits12("1a.2b.3c.4d"), "001002003004");
  EXPECT_EQ(IpToDigits12("abc"), "000000000000");
  EXPECT_EQ(IpToDigits12("1.2.3.4.5"), "001002003004");  // extra parts ignored
  EXPECT_EQ(IpToDigits12("1.2.3.4:80"), "001002003004");
  EXPECT_EQ(IpToDigits12(" 7.8.9.10"), "007008009010");
}

TEST(IpToDigits12, OutOfRangePartsPrintAsPrintfWould) {
  EXPECT_EQ(IpToDigits12("1000.1.1.1"), "1000001001001");
  EXPECT_EQ(IpToDigits12("-1.0.0.0"), "-01000000000");
}

TEST(Digits12ToIp, FullDigits) {
  EXPECT_EQ(Digits12ToIp("192168001005"), "192.168.1.5");
  EXPECT_EQ(Digits12ToIp("000000000000"), "0.0.0.0");
  EXPECT_EQ(Digits12ToIp("255255255255"), "255.255.255.255");
  EXPECT_EQ(Digits12ToIp("010000000001"), "10.0.0.1");
  EXPECT_EQ(Digits12ToIp("192168001005999"), "192.168.1.5");  // beyond 12: ignored
}

TEST(Digits12ToIp, ShortInputsReadMissingDigitsAsZero) {
  EXPECT_EQ(Digits12ToIp(""), "0.0.0.0");
  EXPECT_EQ(Digits12ToIp("192168"), "192.168.0.0");
  EXPECT_EQ(Digits12ToIp("192168001"), "192.168.1.0");
  EXPECT_EQ(Digits12ToIp("1921"), "192.100.0.0");     // "1" then two missing digits
  EXPECT_EQ(Digits12ToIp("19216800100"), "192.168.1.0");
  EXPECT_EQ(Digits12ToIp("1"), "100.0.0.0");
}

TEST(Digits12ToIp, NonDigitsReadAsZero) {
  EXPECT_EQ(Digits12ToIp("19x168001005"), "190.168.1.5");
  EXPECT_EQ(Digits12ToIp("abcdefghijkl"), "0.0.0.0");
  EXPECT_EQ(Digits12ToIp("192.168.1.5."), "192.16.801.50");  // groups "192" ".16" "8.1" ".5."
}

TEST(IpDigits, RoundTrip) {
  const char* addresses[] = {"192.168.1.5", "10.0.0.1", "0.0.0.0", "255.255.255.255", "1.22.133.4"};
  for (const char* address : addresses) {
    EXPECT_EQ(Digits12ToIp(IpToDigits12(address)), address);
  }
  EXPECT_EQ(IpToDigits12(Digits12ToIp("999000123045")), "999000123045");
}

}  // namespace
}  // namespace qb
