#include "base/wildcard.h"

#include "base/sjis.h"

namespace qb {
namespace {

bool GlobFrom(std::string_view pattern, std::size_t p, std::string_view text, std::size_t t) {
  while (p < pattern.size()) {
    if (pattern[p] == '*') {
      while (p < pattern.size() && pattern[p] == '*') ++p;
      if (p == pattern.size()) return true;
      for (std::size_t at = t; at <= text.size(); at += (at < text.size() ? SjisCharLength(text, at) : 1)) {
        if (GlobFrom(pattern, p, text, at)) return true;
      }
      return false;
    }
    if (t >= text.size()) return false;
    std::size_t textLength = SjisCharLength(text, t);
    if (pattern[p] == '?') {
      ++p;
    } else {
      std::size_t patternLength = SjisCharLength(pattern, p);
      if (pattern.substr(p, patternLength) != text.substr(t, textLength)) return false;
      p += patternLength;
    }
    t += textLength;
  }
  return t == text.size();
}

}  // namespace

std::string FoldAsciiCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t pos = 0; pos < folded.size();) {
    std::size_t length = SjisCharLength(folded, pos);
    if (length == 1 && folded[pos] >= 'A' && folded[pos] <= 'Z') folded[pos] += 'a' - 'A';
    pos += length;
  }
  return folded;
}

bool MatchesGlob(std::string_view pattern, std::string_view text) {
  std::string foldedPattern = FoldAsciiCase(pattern);
  std::string foldedText = FoldAsciiCase(text);
  return GlobFrom(foldedPattern, 0, foldedText, 0);
}

bool MatchesNamePattern(std::string_view pattern, std::string_view name) {
  if (MatchesGlob(pattern, name)) return true;
  bool endsWithDotStar = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
  if (!endsWithDotStar || name.find('.') != std::string_view::npos) return false;
  return MatchesGlob(pattern.substr(0, pattern.size() - 2), name);
}

}  // namespace qb
