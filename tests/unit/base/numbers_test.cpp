// Leading-number parsing: blanks, signs, no digits, overflow, fractions, locale.
#include "base/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace qb {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(ParseLeadingInt, Digits) {
  EXPECT_EQ(ParseLeadingInt("0"), 0);
  EXPECT_EQ(ParseLeadingInt("123"), 123);
  EXPECT_EQ(ParseLeadingInt("0042"), 42);
  EXPECT_EQ(ParseLeadingInt("12abc"), 12);
  EXPECT_EQ(ParseLeadingInt("12 34"), 12);
  EXPECT_EQ(ParseLeadingInt("7.9"), 7);
}

TEST(ParseLeadingInt, BlanksAndSigns) {
  EXPECT_EQ(ParseLeadingInt("  -42x"), -42);
  EXPECT_EQ(ParseLeadingInt("\t+7"), 7);
  EXPECT_EQ(ParseLeadingInt(" \t 5"), 5);
  EXPECT_EQ(ParseLeadingInt("-0"), 0);
  EXPECT_EQ(ParseLeadingInt("--5"), 0);
  EXPECT_EQ(ParseLeadingInt("+-5"), 0);
  EXPECT_EQ(ParseLeadingInt("- 5"), 0);  // no blanks between sign and digits
  EXPECT_EQ(ParseLeadingInt("5 "), 5);
}

TEST(ParseLeadingInt, NoDigitsIsZero) {
  EXPECT_EQ(ParseLeadingInt(""), 0);
  EXPECT_EQ(ParseLeadingInt("   "), 0);
  EXPECT_EQ(ParseLeadingInt("abc"), 0);
  EXPECT_EQ(ParseLeadingInt("-"), 0);
  EXPECT_EQ(ParseLeadingInt("+"), 0);
  EXPECT_EQ(ParseLeadingInt(".5"), 0);
  EXPECT_EQ(ParseLeadingInt("\x82\x50"), 0);  // full-width digit 1 in CP932
}

TEST(ParseLeadingInt, SaturatesOnOverflow) {
  EXPECT_EQ(ParseLeadingInt("2147483647"), kMax);
  EXPECT_EQ(ParseLeadingInt("2147483648"), kMax);
  EXPECT_EQ(ParseLeadingInt("-2147483648"), kMin);
  EXPECT_EQ(ParseLeadingInt("-2147483649"), kMin);
  EXPECT_EQ(ParseLeadingInt("99999999999999999999999999999"), kMax);
  EXPECT_EQ(ParseLeadingInt("-99999999999999999999999999999"), kMin);
  EXPECT_EQ(ParseLeadingInt(std::string(1000, '9')), kMax);
  EXPECT_EQ(ParseLeadingInt("00000000000000000000000012"), 12);
}

TEST(ParseLeadingDecimal, Values) {
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("+2.75"), 2.75);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("  3.25"), 3.25);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("\t-8"), -8.0);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("12."), 12.0);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("12.x"), 12.0);
  EXPECT_EQ(ParseLeadingDecimal("0.1"), 0.1);  // correctly rounded
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("1e5"), 1.0);  // no exponent
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("1,5"), 1.0);  // ',' is never a decimal point
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal("1.2.3"), 1.2);
}

TEST(ParseLeadingDecimal, NoDigitsIsZero) {
  EXPECT_EQ(ParseLeadingDecimal(""), 0.0);
  EXPECT_EQ(ParseLeadingDecimal("."), 0.0);
  EXPECT_EQ(ParseLeadingDecimal("-"), 0.0);
  EXPECT_EQ(ParseLeadingDecimal("-."), 0.0);
  EXPECT_EQ(ParseLeadingDecimal("abc"), 0.0);
  EXPECT_EQ(ParseLeadingDecimal("- 1"), 0.0);
}

TEST(ParseLeadingDecimal, HugeAndTiny) {
  EXPECT_TRUE(std::isinf(ParseLeadingDecimal("1" + std::string(400, '0'))));
  EXPECT_LT(ParseLeadingDecimal("-1" + std::string(400, '0')), 0.0);
  EXPECT_EQ(ParseLeadingDecimal("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_DOUBLE_EQ(ParseLeadingDecimal(std::string(30, '0') + "7.5"), 7.5);
}

TEST(ParseLeadingDecimal, LocaleIndependent) {
  const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252"};
  std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const char* chosen = nullptr;
  for (const char* name : candidates) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  double value = ParseLeadingDecimal("12.5");
  double comma = ParseLeadingDecimal("12,5");
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_DOUBLE_EQ(value, 12.5);
  EXPECT_DOUBLE_EQ(comma, 12.0);
  if (chosen == nullptr) GTEST_SKIP() << "no comma-decimal locale installed";
}

}  // namespace
}  // namespace qb
