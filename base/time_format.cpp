#include "base/time_format.h"

#include <cstdint>

namespace qb {
namespace {

constexpr const char* kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kLongMonths[] = {"January", "February", "March",     "April",
                                       "May",     "June",     "July",      "August",
                                       "September", "October", "November", "December"};

// Appends `value` in decimal, zero-padded to `width` digits unless `noPad`.
void AppendNumber(std::string& out, std::int64_t value, int width, bool noPad) {
  if (value < 0) {
    out += '-';
    value = -value;
  }
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  if (!noPad) {
    for (int i = count; i < width; ++i) out += '0';
  }
  while (count > 0) out += digits[--count];
}

}  // namespace

std::string FormatTime(std::string_view format, const DateTime& time) {
  const DateTime t = Normalized(time);
  std::string out;
  out.reserve(format.size() + 16);
  for (std::size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (c != '%' || i + 1 >= format.size()) {
      out += c;  // plain text, or a lone '%' at the end
      continue;
    }
    std::size_t start = i;
    bool noPad = false;
    if (format[i + 1] == '#') {
      noPad = true;
      if (i + 2 >= format.size()) {  // "%#" at the end: copied as it stands
        out.append(format.substr(start));
        break;
      }
      ++i;
    }
    char conversion = format[++i];
    switch (conversion) {
      case 'Y': AppendNumber(out, t.year, 4, noPad); break;
      case 'y': {
        std::int64_t y = t.year % 100;
        if (y < 0) y += 100;
        AppendNumber(out, y, 2, noPad);
        break;
      }
      case 'm': AppendNumber(out, t.month, 2, noPad); break;
      case 'd': AppendNumber(out, t.day, 2, noPad); break;
      case 'H': AppendNumber(out, t.hour, 2, noPad); break;
      case 'I': AppendNumber(out, t.hour % 12 == 0 ? 12 : t.hour % 12, 2, noPad); break;
      case 'M': AppendNumber(out, t.minute, 2, noPad); break;
      case 'S': AppendNumber(out, t.second, 2, noPad); break;
      case 'j':
        AppendNumber(out, DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(t.year, 1, 1) + 1,
                     3, noPad);
        break;
      case 'w': AppendNumber(out, t.dayOfWeek, 1, noPad); break;
      // '#' means nothing for the names and "%%" (as with the Microsoft C library).
      case 'p': out += t.hour < 12 ? "AM" : "PM"; break;
      case 'a': out += kShortDays[t.dayOfWeek]; break;
      case 'A': out += kLongDays[t.dayOfWeek]; break;
      case 'b': out += kShortMonths[t.month - 1]; break;
      case 'B': out += kLongMonths[t.month - 1]; break;
      case '%': out += '%'; break;
      default: out.append(format.substr(start, i + 1 - start)); break;  // unknown: as it stands
    }
  }
  return out;
}

std::string TimeStamp14(const DateTime& time) { return FormatTime("%Y%m%d%H%M%S", time); }

}  // namespace qb
