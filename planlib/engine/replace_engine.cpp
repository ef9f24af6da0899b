#include "planlib/engine/replace_engine.h"

#include "base/sjis.h"
#include "planlib/engine/sjis_text.h"

namespace qb {

namespace {

constexpr long kMaxReplacements = 1000000;
constexpr long kMaxLastHits = 999999;

struct Range {
  std::size_t begin;
  std::size_t end;
};

Range RangeOf(std::string_view text, int kind, long n) {
  switch (kind) {
    case 10: return {CharPositionToByte(text, n), text.size()};
    case 11: return {BytePositionToByte(text, n), text.size()};
    case 12: return {0, n <= 0 ? 0 : SjisCharToByte(text, static_cast<std::size_t>(n))};
    case 13: return {0, n <= 0 ? 0 : (static_cast<std::size_t>(n) < text.size()
                                          ? static_cast<std::size_t>(n) : text.size())};
    default: return {0, text.size()};
  }
}

ReplaceOutcome ReplaceOne(std::string& text, std::size_t hit, const ReplaceRequest& request,
                          std::size_t maxBytes) {
  if (hit == std::string::npos) return ReplaceOutcome::kDone;
  if (text.size() - request.search.size() + request.replacement.size() > maxBytes) {
    return ReplaceOutcome::kTooLong;
  }
  text.replace(hit, request.search.size(), request.replacement);
  return ReplaceOutcome::kDone;
}

}  // namespace

ReplaceOutcome Replace(std::string& text, const ReplaceRequest& request, std::size_t maxBytes) {
  if (request.search.empty()) return ReplaceOutcome::kDone;
  std::string lowered;
  std::string pattern = request.search;
  std::string_view haystack = text;
  if (request.ignoreCase) {
    lowered = SjisLower(text);
    pattern = SjisLower(pattern);
    haystack = lowered;
  }
  Range range = RangeOf(text, request.kind, request.position);
  SjisFinder finder(haystack.substr(0, range.end));

  if (request.kind == 1) return ReplaceOne(text, finder.find(pattern, 0), request, maxBytes);
  if (request.kind == 2) {
    std::size_t last = std::string::npos;
    std::size_t hit = finder.find(pattern, 0);
    for (long hits = 0; hit != std::string::npos && hits < kMaxLastHits; ++hits) {
      last = hit;
      hit = finder.find(pattern, hit + 1);
    }
    return ReplaceOne(text, last, request, maxBytes);
  }
  if (request.kind != 3 && (request.kind < 10 || request.kind > 13)) return ReplaceOutcome::kDone;

  std::string out;
  out.reserve(text.size());
  out.append(text, 0, range.begin);
  std::size_t pos = range.begin;
  std::size_t hit = finder.find(pattern, pos);
  for (long count = 0; hit != std::string::npos && count < kMaxReplacements; ++count) {
    out.append(text, pos, hit - pos);
    out += request.replacement;
    pos = hit + pattern.size();
    if (out.size() > maxBytes) return ReplaceOutcome::kTooLong;
    hit = finder.find(pattern, pos);
  }
  out.append(text, pos, std::string::npos);
  if (out.size() > maxBytes) return ReplaceOutcome::kTooLong;
  text = std::move(out);
  return ReplaceOutcome::kDone;
}

}  // namespace qb
