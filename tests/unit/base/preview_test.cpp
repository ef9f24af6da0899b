// The 150-byte preview: the boundary, and that it counts bytes, not characters.
#include "base/preview.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(MakePreview, ShortValuesWhole) {
  EXPECT_EQ(MakePreview(""), "");
  EXPECT_EQ(MakePreview("abc"), "abc");
  EXPECT_EQ(MakePreview(std::string(149, 'x')), std::string(149, 'x'));
}

TEST(MakePreview, Boundary) {
  EXPECT_EQ(kPreviewBytes, 150u);
  EXPECT_EQ(MakePreview(std::string(150, 'x')), std::string(150, 'x'));
  EXPECT_EQ(MakePreview(std::string(151, 'x')), std::string(150, 'x') + "...");
  EXPECT_EQ(MakePreview(std::string(512000, 'x')), std::string(150, 'x') + "...");
}

TEST(MakePreview, CountsBytesAndMaySplitADoubleByteCharacter) {
  const std::string value = std::string(149, 'a') + "\x95\x5C";  // 151 bytes
  EXPECT_EQ(MakePreview(value), std::string(149, 'a') + "\x95...");
  const std::string exact = std::string(148, 'a') + "\x95\x5C";  // 150 bytes
  EXPECT_EQ(MakePreview(exact), exact);
}

TEST(MakePreview, KeepsEmbeddedZeros) {
  std::string value(200, '\0');
  value[0] = 'a';
  const std::string preview = MakePreview(value);
  EXPECT_EQ(preview.size(), 153u);
  EXPECT_EQ(preview.substr(150), "...");
}

}  // namespace
}  // namespace qb
