#include "base/utf8.h"

#include "base/preview.h"

namespace qb {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed character at `at`, or 0.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  const std::size_t left = text.size() - at;
  if (lead == 0) return 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && IsContinuation(byte(1)) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (left < 3 || !IsContinuation(byte(1)) || !IsContinuation(byte(2))) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
    if (lead == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (left < 4 || !IsContinuation(byte(1)) || !IsContinuation(byte(2)) ||
        !IsContinuation(byte(3))) {
      return 0;
    }
    if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
    if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // above U+10FFFF
    return 4;
  }
  return 0;
}

// The length of the character at `at` in a text known to be well-formed, or of one byte.
std::size_t StepAt(std::string_view text, std::size_t at) {
  std::size_t length = CharacterLength(text, at);
  return length == 0 ? 1 : length;
}

}  // namespace

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = CharacterLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string MakeUtf8Preview(std::string_view text) {
  std::size_t units = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = StepAt(text, at);
    const std::size_t width = length == 1 ? 1 : 2;
    if (units + width > kPreviewBytes) break;
    units += width;
    at += length;
  }
  std::string preview(text.substr(0, at));
  if (at < text.size()) preview += "...";
  return preview;
}

std::string ShowUtf8BreaksAndTabs(std::string_view preview) {
  static constexpr char kDot[] = "\xE3\x83\xBB";  // U+30FB, KATAKANA MIDDLE DOT
  std::string shown;
  shown.reserve(preview.size());
  for (char c : preview) {
    if (c == '\r' || c == '\n' || c == '\t') {
      shown += kDot;
    } else {
      shown += c;
    }
  }
  return shown;
}

std::string_view WholeUtf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
  return text.substr(0, end);
}

}  // namespace qb
