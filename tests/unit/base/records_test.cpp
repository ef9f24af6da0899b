// The ":::" separator: empty parts, separators at the ends, runs of colons, maxFields.
#include "base/records.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitFields, Basic) {
  EXPECT_EQ(SplitFields(""), Fields{""});
  EXPECT_EQ(SplitFields("abc"), Fields{"abc"});
  EXPECT_EQ(SplitFields("a:::b:::c"), (Fields{"a", "b", "c"}));
  EXPECT_EQ(SplitFields("a::b"), Fields{"a::b"});
  EXPECT_EQ(SplitFields("a:b:c"), Fields{"a:b:c"});
}

TEST(SplitFields, EmptyPartsAndEnds) {
  EXPECT_EQ(SplitFields(":::"), (Fields{"", ""}));
  EXPECT_EQ(SplitFields(":::a"), (Fields{"", "a"}));
  EXPECT_EQ(SplitFields("a:::"), (Fields{"a", ""}));
  EXPECT_EQ(SplitFields(":::a:::"), (Fields{"", "a", ""}));
  EXPECT_EQ(SplitFields("::::::"), (Fields{"", "", ""}));
  EXPECT_EQ(SplitFields("a::::::b"), (Fields{"a", "", "b"}));
}

TEST(SplitFields, RunsOfColonsSplitAtTheFirstThree) {
  EXPECT_EQ(SplitFields("a::::b"), (Fields{"a", ":b"}));
  EXPECT_EQ(SplitFields("a:::::b"), (Fields{"a", "::b"}));
  EXPECT_EQ(SplitFields("::::"), (Fields{"", ":"}));
}

TEST(SplitFields, MaxFieldsLastTakesTheRest) {
  EXPECT_EQ(SplitFields("a:::b:::c", 0), (Fields{"a", "b", "c"}));
  EXPECT_EQ(SplitFields("a:::b:::c", 1), Fields{"a:::b:::c"});
  EXPECT_EQ(SplitFields("a:::b:::c", 2), (Fields{"a", "b:::c"}));
  EXPECT_EQ(SplitFields("a:::b:::c", 3), (Fields{"a", "b", "c"}));
  EXPECT_EQ(SplitFields("a:::b:::c", 9), (Fields{"a", "b", "c"}));
  EXPECT_EQ(SplitFields("a:::b:::", 2), (Fields{"a", "b:::"}));
  EXPECT_EQ(SplitFields(":::::::::", 3), (Fields{"", "", ":::"}));
  EXPECT_EQ(SplitFields("", 3), Fields{""});
}

TEST(SplitFields, ShiftJisTrailBytesAreNotColons) {
  // ':' is 0x3A, below every trail byte; a double-byte value passes whole.
  const std::string value = "\x95\x5C\x8E\xA6\x83\x5C";
  EXPECT_EQ(SplitFields("1:::" + value + ":::x"), (Fields{"1", value, "x"}));
}

TEST(JoinFields, Basic) {
  EXPECT_EQ(JoinFields({}), "");
  EXPECT_EQ(JoinFields({""}), "");
  EXPECT_EQ(JoinFields({"", ""}), ":::");
  EXPECT_EQ(JoinFields({"a", "b", "c"}), "a:::b:::c");
  EXPECT_EQ(JoinFields({"", "a", ""}), ":::a:::");
}

TEST(JoinFields, InverseOfSplit) {
  const char* texts[] = {"", ":::", "a:::b", "::::", "a:::::b:::", ":::::::::x", "plain"};
  for (const char* text : texts) {
    for (std::size_t maxFields = 0; maxFields < 5; ++maxFields) {
      EXPECT_EQ(JoinFields(SplitFields(text, maxFields)), text) << text << " " << maxFields;
    }
  }
  const Fields fields{"id", "", "value with : colon", "tail"};
  EXPECT_EQ(SplitFields(JoinFields(fields)), fields);
}

}  // namespace
}  // namespace qb
