// The plan variables of one run: strings and numbers, their numeric codes, and their
// substitution into block settings.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace qb {

struct PlanRunStart {
  std::string planName;
  std::string dataHome;     // <$データホームフォルダ>
  std::string actWinName;   // <$作業中ウィンドウ名>
};

class PlanVariables {
 public:
  // Every variable to its initial value, in the documented order.
  void reset(const PlanRunStart& start);

  // String variables by code (1-12, 17-20, 101-120); false / empty for other codes.
  static bool isTextCode(int code);
  std::string text(int code) const { return std::string(textView(code)); }
  // The same without a copy; valid until the variable changes.
  std::string_view textView(int code) const;
  void setText(int code, std::string value);
  // Appends to a string variable in place.
  void appendText(int code, std::string_view value);

  // Numeric variables by code (13-16, 21, 22, 201-219); 0 for other codes.
  static bool isNumberCode(int code);
  int number(int code) const;
  void setNumber(int code, int value);

  // The three date/time strings (codes 2-4) from this local time.
  void setNow(const DateTime& now);

  // <$文字数> is counted only when it is read: before every block the runner names the text the
  // block starts with, and the first read counts it. A nested block sequence puts the outer
  // source back when it ends, so the named text is always alive.
  void countCharactersOf(const std::string& text) { countedText_ = &text; }
  struct CharCountSource {
    const std::string* text;
    int count;
  };
  CharCountSource charCountSource() const { return {countedText_, charCount_}; }
  void restoreCharCountSource(const CharCountSource& source);

  // Replaces every variable name by its value, variable by variable in the fixed order; a name
  // that an earlier variable's value brings in is replaced by a later variable. The work is in
  // proportion to the names that occur and the bytes produced: a variable whose name does not
  // occur is never looked at. Empty when the result would be longer than `maxBytes`.
  std::optional<std::string> substitute(std::string_view setting, std::size_t maxBytes) const;

  // "<$作業用01>" for 101; empty for an unknown code.
  static std::string nameOfCode(int code);
  // The codes of every variable in the order of substitution.
  static std::vector<int> substitutionOrder();

  const std::string& planName() const { return planName_; }

 private:
  // The value of a variable as substituted; numbers are formatted into `buffer`.
  std::string_view valueOf(int code, std::array<char, 32>& buffer) const;
  void formatNow() const;

  std::string planName_;
  std::array<std::string, 121> texts_{};  // codes 2-4 live in nowTexts_
  std::array<int, 220> numbers_{};
  // The date/time strings, formatted from now_ when first asked for after setNow().
  DateTime now_{};
  mutable std::array<std::string, 3> nowTexts_{};
  mutable bool nowFormatted_ = true;
  // <$文字数>: the count, or the text to count first when it is read.
  mutable const std::string* countedText_ = nullptr;
  mutable int charCount_ = 0;
};

// Variable codes used by the runner.
namespace var {
inline constexpr int kDataHome = 1;
inline constexpr int kNowDateTime = 2;
inline constexpr int kNowDate = 3;
inline constexpr int kNowTime = 4;
inline constexpr int kLastOutName = 5, kLastInName = 6, kLastAddName = 7;
inline constexpr int kLastOutPath = 8, kLastInPath = 9, kLastAddPath = 10;
inline constexpr int kMessageVerify = 11;
inline constexpr int kActWinName = 12;
inline constexpr int kCurrentLine = 13;
inline constexpr int kTotalLines = 14;
inline constexpr int kLoopCounter = 15;
inline constexpr int kLoopFinal = 16;
inline constexpr int kSelectResult = 17;
inline constexpr int kLastOutFolder = 18, kLastInFolder = 19, kLastAddFolder = 20;
inline constexpr int kCharCount = 21;
inline constexpr int kByteCount = 22;
inline constexpr int kWork01 = 101;    // to 120
inline constexpr int kCounter01 = 201;  // to 210
inline constexpr int kFormatCounter01 = 211;  // to 219
}  // namespace var

}  // namespace qb
