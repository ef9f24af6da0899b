#include "lan/envelope.h"

#include <cstdio>
#include <vector>

#include "base/numbers.h"
#include "base/records.h"
#include "base/sjis.h"

namespace qb {

namespace {

std::string BuildEnvelope(std::string_view family, std::string_view kind, const EnvelopeHead& head,
                          const std::vector<std::string_view>& kindFields) {
  std::string rest;
  for (std::string_view part : {family, kind, std::string_view(head.sentAt),
                                std::string_view(head.sender), std::string_view(head.scope),
                                kEnvelopeVersion, std::string_view("0")}) {
    rest += kFieldSeparator;
    rest += part;
  }
  for (std::string_view field : kindFields) {
    rest += kFieldSeparator;
    rest += field;
  }
  char length[16];
  std::snprintf(length, sizeof length, "%07zu", rest.size() + kEnvelopeHeadBytes);
  std::string text(kEnvelopeMagic);
  text += kFieldSeparator;
  text += length;
  text += rest;
  return text;
}

bool IsOpenInfo(std::string_view kind) { return kind == kOpenInfoRequest || kind == kOpenInfoAnswer; }

}  // namespace

int OpenInfoLastField(const ParsedDatagram& parsed) {
  int last = ParseLeadingInt(parsed[kFieldLastField]);
  if (last < static_cast<int>(kFieldLastField) || last >= static_cast<int>(kEnvelopeFieldCount)) return -1;
  return last;
}

namespace {

// The first `count` fields; the last one keeps the rest of the text when `lastTakesRest`.
void FillFields(ParsedDatagram& parsed, std::string_view text, std::size_t count, bool lastTakesRest) {
  std::vector<std::string> pieces = SplitFields(text, lastTakesRest ? count : count + 1);
  if (pieces.size() > count) pieces.resize(count);
  for (std::size_t i = 0; i < kEnvelopeFieldCount; ++i) {
    parsed.fields[i] = i < pieces.size() ? std::move(pieces[i]) : std::string();
  }
}

}  // namespace

std::string NotPublishedText() { return "<< 未公開 >>"; }

std::string CutPublishedText(std::string_view text) { return CutBytesWhole(text, kPublishedTextLimit); }

std::string BuildOpenNotice(std::string_view kind, const EnvelopeHead& head) {
  return BuildEnvelope(kFamilyOpen, kind, head, {"0", "0"});
}

std::string BuildOpenInfo(std::string_view kind, const EnvelopeHead& head, std::string_view name,
                          bool publishing, std::string_view text) {
  return BuildEnvelope(kFamilyOpen, kind, head,
                       {"0", name, publishing ? "1" : "0", "0", "0", "17", "0", "0", text});
}

std::string BuildMainte(std::string_view kind, const EnvelopeHead& head) {
  EnvelopeHead noScope = head;
  noScope.scope.clear();
  return BuildEnvelope(kFamilyMainte, kind, noScope, {"0", "0"});
}

std::string BuildCommUpdate(std::string_view kind, const EnvelopeHead& head) {
  return BuildEnvelope(kFamilyComm, kind, head, {"0", "0", "0"});
}

ParsedDatagram ParseEnvelope(std::string_view text) {
  ParsedDatagram parsed;
  FillFields(parsed, text, kEnvelopeFieldCount, false);
  if (!IsOpenInfo(parsed[kFieldKind])) return parsed;
  int last = OpenInfoLastField(parsed);
  if (last > 0) FillFields(parsed, text, static_cast<std::size_t>(last) + 1, true);
  return parsed;
}

const std::string& PublishedTextOf(const ParsedDatagram& parsed) {
  static const std::string kNone;
  int last = OpenInfoLastField(parsed);
  return last > 0 ? parsed[static_cast<std::size_t>(last)] : kNone;
}

}  // namespace qb
