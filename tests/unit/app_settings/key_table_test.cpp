#include "app/settings/key_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "app/settings/indexed_text.h"

namespace qb {
namespace {

TEST(IndexedTextTest, FillsTheConversionsAsPrintfDoes) {
  EXPECT_EQ(FormatIndexed("CLIPDIR_AR%0d=", 9), "CLIPDIR_AR9=");
  EXPECT_EQ(FormatIndexed("Hozon_Label_Width%1d=", 3), "Hozon_Label_Width3=");
  EXPECT_EQ(FormatIndexed("DisabledAp%02d=", 7), "DisabledAp07=");
  EXPECT_EQ(FormatIndexed("OpenSameIP%02d=", 12), "OpenSameIP12=");
  EXPECT_EQ(FormatIndexed("SANSYO_TEXT%1d_DIR%1d=", 6, 3), "SANSYO_TEXT6_DIR3=");
  EXPECT_EQ(FormatIndexed("保存グループ%d", 10), "保存グループ10");
  EXPECT_EQ(FormatIndexed("%3d|%03d", -5, -5), " -5|-05");
  EXPECT_EQ(FormatIndexed("MaxFile=", 4), "MaxFile=");
  EXPECT_EQ(FormatIndexed("100% %x %", 1), "100% %x %");
  EXPECT_EQ(FormatIndexed("%d%d%d", 1, 2), "12%d");
}

TEST(KeyLimitTest, ReplacesOnlyBeyondTheEdges) {
  EXPECT_EQ(BelowBecomes(90, 190).apply(89), 190);
  EXPECT_EQ(BelowBecomes(90, 190).apply(90), 90);
  EXPECT_EQ(AtOrBelowBecomes(100, 1000).apply(100), 1000);
  EXPECT_EQ(AtOrBelowBecomes(100, 1000).apply(101), 101);
  EXPECT_EQ(AboveBecomes(500, 500).apply(501), 500);
  EXPECT_EQ(AboveBecomes(500, 500).apply(500), 500);
  EXPECT_EQ(AtOrAboveBecomes(10, 9).apply(10), 9);
  EXPECT_EQ(AtOrAboveBecomes(10, 9).apply(-3), -3);
  EXPECT_EQ(ClampedTo(20, 200).apply(5), 20);
  EXPECT_EQ(ClampedTo(20, 200).apply(201), 200);
  EXPECT_EQ(ClampedTo(20, 200).apply(70), 70);
  EXPECT_EQ(KeyLimit().apply(-7), -7);
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(AtOrBelowBecomes(kMax, 1).apply(kMax), 1);
  EXPECT_EQ(AtOrAboveBecomes(kMin, 1).apply(kMin), 1);
}

struct SampleSettings {
  std::int32_t Single = 0;
  double Decimal = 0;
  std::array<std::string, 3> Names{};
  std::array<std::int32_t, 2> On{};
  std::array<std::array<std::int32_t, 2>, 2> Width{};
  std::array<std::int32_t, 3> Other{};
};

std::int32_t HalfWidth(ScreenSize screen) { return screen.width / 2; }

KeyTable<SampleSettings> SampleTable() {
  using S = SampleSettings;
  return {
      Key<&S::Single>("Single=", FromScreen{HalfWidth}, "<=single", ClampedTo(0, 9)),
      Key<&S::Names>("Name%02d=", NumberedNames{{"first"}, "name%d"}, "<=names"),
      Interleaved({
          Member<&S::On>("On%1d=", FirstThen{1, 0}, "->on"),
          Member<&S::Width>("W%1d_%1d=", 75, "->w"),
      }),
      Key<&S::Decimal>("Decimal=", 2.5, "<=decimal"),
  };
}

TEST(KeyTableTest, ExpandsEntriesInReadingOrderWithTheirDefaults) {
  SampleSettings settings;
  BoundKeyList keys = BindKeyTable(SampleTable(), settings, ScreenSize{1280, 800});
  std::vector<std::string> order;
  for (const BoundKey& key : keys.keys()) order.push_back(key.key);
  EXPECT_EQ(order, (std::vector<std::string>{"Single=", "Name00=", "Name01=", "Name02=", "On0=",
                                             "W0_0=", "W0_1=", "On1=", "W1_0=", "W1_1=",
                                             "Decimal="}));
  keys.assignDefaults();
  EXPECT_EQ(settings.Single, 640);  // defaults are not limited
  EXPECT_EQ(settings.Names, (std::array<std::string, 3>{"first", "name2", "name3"}));
  EXPECT_EQ(settings.On, (std::array<std::int32_t, 2>{1, 0}));
  EXPECT_EQ(settings.Width[1][1], 75);
  EXPECT_EQ(settings.Decimal, 2.5);
  EXPECT_EQ(keys.find("W1_0=")->defaultComment, "->w");
  EXPECT_EQ(keys.find("w1_0="), nullptr);
}

TEST(KeyTableTest, FaultsOfATableAreRefused) {
  using S = SampleSettings;
  SampleSettings settings;
  KeyTable<S> twice = {Key<&S::Single>("A=", 0, ""), Key<&S::Other>("A=", 0, "")};
  EXPECT_THROW(BindKeyTable(twice, settings, {}), std::logic_error);
  KeyTable<S> unequal = {Interleaved({Member<&S::On>("On%d=", 0, ""),
                                      Member<&S::Other>("Other%d=", 0, "")})};
  EXPECT_THROW(BindKeyTable(unequal, settings, {}), std::logic_error);
}

}  // namespace
}  // namespace qb
