#include "macros/date_elements.h"

#include <cstdio>
#include <functional>
#include <map>

#include "base/time_format.h"

namespace qb {
namespace {

using ElementValue = std::function<std::string(const DateTime&, int)>;

ElementValue Format(const char* format) {
  return [format](const DateTime& time, int) { return FormatTime(format, time); };
}

std::string EraYear(const DateTime& time, int warekiBase, bool twoDigits, bool firstYearKanji) {
  const int n = time.year - warekiBase + 1;
  if (n < 1) return "ER";
  if (n == 1 && firstYearKanji) return "元";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, twoDigits ? "%02d" : "%d", n);
  return buffer;
}

ElementValue Era(bool twoDigits, bool firstYearKanji) {
  return [twoDigits, firstYearKanji](const DateTime& time, int base) {
    return EraYear(time, base, twoDigits, firstYearKanji);
  };
}

ElementValue Weekday(const char* const* names) {
  return [names](const DateTime& time, int) {
    const int day = Normalized(time).dayOfWeek;
    return std::string(names[day >= 0 && day < 7 ? day : 0]);
  };
}

const char* const kWeekdayKanji[] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const kWeekdayWords[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                     "木曜日", "金曜日", "土曜日"};

const std::map<std::string, ElementValue, std::less<>>& AsciiElements() {
  static const std::map<std::string, ElementValue, std::less<>> elements = {
      {"<@YY1/>", Format("%#y")},     {"<@YY2/>", Format("%#Y")},
      {"<@YY3/>", Era(false, false)}, {"<@YY4/>", Era(false, true)},
      {"<@YY10/>", Format("%y")},     {"<@YY20/>", Format("%Y")},
      {"<@YY30/>", Era(true, false)}, {"<@YY40/>", Era(true, true)},
      {"<@MM1/>", Format("%#m")},     {"<@MM2/>", Format("%B")},
      {"<@MM3/>", Format("%b")},      {"<@MM10/>", Format("%m")},
      {"<@DD1/>", Format("%#d")},     {"<@DD10/>", Format("%d")},
      {"<@hh1/>", Format("%#H")},     {"<@hh2/>", Format("%#I")},
      {"<@hh10/>", Format("%H")},     {"<@hh20/>", Format("%I")},
      {"<@AMPM1/>", Format("%p")},
      {"<@AMPM2/>",
       [](const DateTime& time, int) {
         return FormatTime("%p", time) == "AM" ? std::string("午前") : std::string("午後");
       }},
      {"<@mm1/>", Format("%#M")},     {"<@mm10/>", Format("%M")},
      {"<@ss1/>", Format("%#S")},     {"<@ss10/>", Format("%S")},
      {"<@YOBI1/>", Weekday(kWeekdayKanji)}, {"<@YOBI2/>", Weekday(kWeekdayWords)},
      {"<@YOBI3/>", Format("%A")},    {"<@YOBI4/>", Format("%a")},
  };
  return elements;
}

// Full-width spelling -> ASCII twin.
const std::map<std::string, std::string, std::less<>>& FullWidthTwins() {
  static const std::map<std::string, std::string, std::less<>> twins = {
      {"<@ＹＹ１/>", "<@YY1/>"},   {"<@ＹＹ２/>", "<@YY2/>"},   {"<@ＹＹ３/>", "<@YY3/>"},
      {"<@ＹＹ４/>", "<@YY4/>"},   {"<@ＹＹ１０/>", "<@YY10/>"}, {"<@ＹＹ２０/>", "<@YY20/>"},
      {"<@ＹＹ３０/>", "<@YY30/>"}, {"<@ＹＹ４０/>", "<@YY40/>"}, {"<@ＭＭ１/>", "<@MM1/>"},
      {"<@ＭＭ１０/>", "<@MM10/>"}, {"<@ＤＤ１/>", "<@DD1/>"},   {"<@ＤＤ１０/>", "<@DD10/>"},
      {"<@ｈｈ１/>", "<@hh1/>"},   {"<@ｈｈ２/>", "<@hh2/>"},   {"<@ｈｈ１０/>", "<@hh10/>"},
      {"<@ｈｈ２０/>", "<@hh20/>"}, {"<@ＡＭＰＭ１/>", "<@AMPM1/>"}, {"<@ｍｍ１/>", "<@mm1/>"},
      {"<@ｍｍ１０/>", "<@mm10/>"}, {"<@ｓｓ１/>", "<@ss1/>"},   {"<@ｓｓ１０/>", "<@ss10/>"},
  };
  return twins;
}

}  // namespace

std::string ToFullWidthValue(std::string_view asciiValue) {
  if (asciiValue == "元" || asciiValue == "ER") return std::string(asciiValue);
  if (asciiValue == "AM") return "ＡＭ";
  if (asciiValue == "PM") return "ＰＭ";
  static const char* const kDigits[] = {"０", "１", "２", "３", "４",
                                        "５", "６", "７", "８", "９"};
  std::string result;
  for (char c : asciiValue) {
    if (c >= '0' && c <= '9') {
      result += kDigits[c - '0'];
    } else {
      result += c;
    }
  }
  return result;
}

std::string ExpandDateElement(std::string_view tag, const DateTime& time, int warekiBase) {
  const auto& ascii = AsciiElements();
  if (auto found = ascii.find(tag); found != ascii.end()) return found->second(time, warekiBase);
  const auto& twins = FullWidthTwins();
  if (auto twin = twins.find(tag); twin != twins.end()) {
    return ToFullWidthValue(ascii.find(twin->second)->second(time, warekiBase));
  }
  return std::string();
}

bool IsKnownDateElement(std::string_view tag) {
  return AsciiElements().count(tag) != 0 || FullWidthTwins().count(tag) != 0;
}

}  // namespace qb
