// The text envelope of LAN datagrams: builders for every message and the parser.
//
// A message is "QUILLBOX-OP1" ":::" length ":::" family ":::" kind ":::" sent-at ":::" sender
// ":::" scope ":::" "V3.34" ":::" "0" followed by the fields of its kind, joined by ":::". The
// length ("%07d") is the byte length of the whole text.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kEnvelopeMagic = "QUILLBOX-OP1";
inline constexpr std::string_view kEnvelopeVersion = "V3.34";
inline constexpr std::size_t kEnvelopeHeadBytes = 22;  // magic, separator, seven digits
inline constexpr std::size_t kDatagramCapacity = 15000;
inline constexpr std::size_t kPublishedTextLimit = 8192;
inline constexpr std::size_t kEnvelopeFieldCount = 30;
inline constexpr int kOpenInfoTextField = 17;

inline constexpr std::string_view kFamilyOpen = "OPEN";
inline constexpr std::string_view kFamilyMainte = "MAINTE";
inline constexpr std::string_view kFamilyComm = "COMM";

inline constexpr std::string_view kOpenCheckRequest = "OPEN_CHECK_R";
inline constexpr std::string_view kOpenCheckAnswer = "OPEN_CHECK_A";
inline constexpr std::string_view kOpenInfoRequest = "OPEN_INFO_R";
inline constexpr std::string_view kOpenInfoAnswer = "OPEN_INFO_A";
inline constexpr std::string_view kOpenEndNotice = "OPEN_END_N";
inline constexpr std::string_view kMainteAllIpRequest = "MAINTE_ALLIP_R";
inline constexpr std::string_view kMainteAllIpAnswer = "MAINTE_ALLIP_A";
inline constexpr std::string_view kCommUpdateRequest = "COMM_UPDATE_R";
inline constexpr std::string_view kCommUpdateAnswer = "COMM_UPDATE_A";

// Envelope field numbers.
enum EnvelopeField : std::size_t {
  kFieldMagic = 0, kFieldLength = 1, kFieldFamily = 2, kFieldKind = 3, kFieldSentAt = 4,
  kFieldSender = 5, kFieldScope = 6, kFieldVersion = 7, kFieldFlag = 8,
  kFieldPublisherName = 10, kFieldPublishing = 11, kFieldLastField = 14,
};

// What every message carries before its own fields.
struct EnvelopeHead {
  std::string sentAt;  // "%Y%m%d%H%M%S"
  std::string sender;  // dotted address
  std::string scope;   // publish group, share key, or empty
};

// "<< 未公開 >>": the published text of a computer that does not publish.
std::string NotPublishedText();

// The text to publish: the first 8192 bytes, one less where the cut would split a double-byte
// character.
std::string CutPublishedText(std::string_view text);

// OPEN_CHECK_R/A, OPEN_END_N: fields 9 and 10 "0".
std::string BuildOpenNotice(std::string_view kind, const EnvelopeHead& head);
// OPEN_INFO_R/A with the publisher name, the publishing state and the text (already cut).
std::string BuildOpenInfo(std::string_view kind, const EnvelopeHead& head, std::string_view name,
                          bool publishing, std::string_view text);
// MAINTE_ALLIP_R/A: scope empty.
std::string BuildMainte(std::string_view kind, const EnvelopeHead& head);
// COMM_UPDATE_R/A: fields 9, 10, 11 "0".
std::string BuildCommUpdate(std::string_view kind, const EnvelopeHead& head);

// The 30 fields of a received text; missing fields are empty.
struct ParsedDatagram {
  std::array<std::string, kEnvelopeFieldCount> fields;
  const std::string& operator[](std::size_t index) const { return fields[index]; }
  bool HasMagic() const { return fields[kFieldMagic] == kEnvelopeMagic; }
};

// Splits at ":::" into at most 30 fields (text beyond them is dropped). For OPEN_INFO_R/A the
// number N in field 14 (14-29) makes field N the last one: it keeps the rest of the text whole.
ParsedDatagram ParseEnvelope(std::string_view text);

// N of a parsed OPEN_INFO (field 14, 14-29), or -1 when it is out of range.
int OpenInfoLastField(const ParsedDatagram& parsed);
// The published text of a parsed OPEN_INFO (field N), empty when N is out of range.
const std::string& PublishedTextOf(const ParsedDatagram& parsed);

}  // namespace qb
