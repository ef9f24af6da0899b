#include "base/sjis.h"
#include "planlib/engine/escape_notation.h"
#include "planlib/engine/plan_container.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/sjis_text.h"

namespace qb {

namespace {

constexpr std::size_t npos = std::string::npos;

// A search string of 切り出し with its own case rule.
struct CutSearch {
  std::string pattern;
  std::string lowered;  // the text lowered, when the search ignores case
  bool ignoreCase = false;

  std::size_t find(std::string_view text, std::size_t from) const {
    if (from > text.size()) return npos;
    std::string_view haystack = ignoreCase ? std::string_view(lowered) : text;
    return SjisFinder(haystack).find(pattern, from);
  }
  bool startsAt(std::string_view text, std::size_t at) const {
    std::string_view haystack = ignoreCase ? std::string_view(lowered) : text;
    return haystack.substr(at).starts_with(pattern);
  }
};

CutSearch MakeSearch(BlockContext& context, std::string_view setting, int notation,
                     bool ignoreCase, std::string_view text) {
  CutSearch search;
  search.pattern = context.substitute(setting);
  if (notation == 2) {
    search.pattern = ConvertEscapes(search.pattern);
  } else if (ignoreCase) {
    search.ignoreCase = true;
    search.pattern = SjisLower(search.pattern);
    search.lowered = SjisLower(text);
  }
  return search;
}

std::size_t Clamp(long value, std::size_t size) {
  if (value <= 0) return 0;
  return static_cast<std::size_t>(value) < size ? static_cast<std::size_t>(value) : size;
}

struct CutPositions {
  std::size_t begin;
  std::size_t end;
};

}  // namespace

int CCutting::m_Run(BlockContext& context, BlockSettings& settings, ChildSequence& children,
                    std::string& text) const {
  int startKind = settings.number("KIND_CUT_S");
  int startNotation = settings.number("KIND_KMS_S");
  bool startCase = settings.number("KIND_ALPHABET_S") == 1;
  std::string startSetting = settings.text("DATA_S");
  long startIndex = settings.number("IDX_CN_S");
  int endKind = settings.number("KIND_CUT_E");
  int endNotation = settings.number("KIND_KMS_E");
  bool endCase = settings.number("KIND_ALPHABET_E") == 1;
  std::string endSetting = settings.text("DATA_E");
  long endIndex = settings.number("IDX_CN_E");
  long length = settings.number("LEN");
  if (!settings.ok()) return settings.fail(context);

  std::size_t size = text.size();
  CutSearch start = MakeSearch(context, startSetting, startNotation, startCase, text);
  CutSearch finish = MakeSearch(context, endSetting, endNotation, endCase, text);

  std::size_t h = 0;
  std::size_t searchFrom = npos;  // where the search for the end string begins
  switch (startKind) {
    case 1:
    case 2: {
      std::size_t hit = start.find(text, 0);
      if (hit == npos) {
        h = size;
        searchFrom = startKind == 1 ? size + 1 : size;
      } else {
        h = startKind == 1 ? hit : hit + start.pattern.size();
        searchFrom = hit + start.pattern.size();
      }
      break;
    }
    case 8:
      if (!start.pattern.empty()) {
        while (start.startsAt(text, h)) h += start.pattern.size();
      }
      break;
    case 4: h = CharPositionToByte(text, startIndex); break;
    case 5: h = BytePositionToByte(text, startIndex); break;
    default: h = 0; break;
  }
  if (searchFrom == npos) searchFrom = h;

  std::size_t r = size;
  switch (endKind) {
    case 1:
    case 2: {
      std::size_t hit = finish.find(text, searchFrom);
      if (hit != npos) r = endKind == 1 ? hit + finish.pattern.size() : hit;
      break;
    }
    case 4: r = endIndex <= 0 ? 0 : SjisCharToByte(text, static_cast<std::size_t>(endIndex)); break;
    case 5: r = Clamp(endIndex, size); break;
    case 6:
      r = h + SjisCharToByte(std::string_view(text).substr(h), Clamp(length, size));
      break;
    case 7: r = h + Clamp(length, size - h); break;
    default: r = size; break;
  }
  if (r < h) r = h;

  std::string before = text.substr(0, h);
  std::string piece = text.substr(h, r - h);
  std::string after = text.substr(r);
  int result = children.run(piece);
  if (result == 101 || result == 103 || result == -1) return result;
  if (before.size() + piece.size() + after.size() > kRunGrowthCeiling) {
    return context.valueLimitExceeded();
  }
  text = std::move(before) + piece + after;
  return result;
}

}  // namespace qb
