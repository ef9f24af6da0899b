#include "planlib/engine/sjis_text.h"

#include "base/sjis.h"

namespace qb {

namespace {

std::string MapLetters(std::string_view text, char from, char to) {
  std::string out(text);
  for (std::size_t pos = 0; pos < out.size();) {
    std::size_t length = SjisCharLength(out, pos);
    if (length == 1 && out[pos] >= from && out[pos] <= static_cast<char>(from + 25)) {
      out[pos] = static_cast<char>(out[pos] - from + to);
    }
    pos += length;
  }
  return out;
}

}  // namespace

std::string SjisLower(std::string_view text) { return MapLetters(text, 'A', 'a'); }
std::string SjisUpper(std::string_view text) { return MapLetters(text, 'a', 'A'); }

std::size_t SjisFinder::find(std::string_view pattern, std::size_t from) {
  if (from < boundary_) boundary_ = 0;
  while (true) {
    std::size_t hit = text_.find(pattern, from);
    if (hit == std::string_view::npos) return hit;
    while (boundary_ < hit) boundary_ += SjisCharLength(text_, boundary_);
    if (boundary_ == hit) return hit;
    from = hit + 1;  // the hit began on a trail byte
  }
}

std::size_t CharPositionToByte(std::string_view text, long n) {
  if (n <= 1) return 0;
  return SjisCharToByte(text, static_cast<std::size_t>(n - 1));
}

std::size_t BytePositionToByte(std::string_view text, long n) {
  if (n <= 1) return 0;
  std::size_t at = static_cast<std::size_t>(n - 1);
  return at < text.size() ? at : text.size();
}

std::size_t CountLines(std::string_view text) {
  std::size_t breaks = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
       at = text.find("\r\n", at + 2)) {
    ++breaks;
  }
  std::size_t lines = 1 + breaks;
  if (text.ends_with("\r\n")) --lines;
  return lines;
}

bool LineCursor::next(std::string_view& line) {
  if (done_) return false;
  std::size_t end = text_.find("\r\n", pos_);
  if (end == std::string_view::npos) {
    line = text_.substr(pos_);
    hadBreak_ = false;
    done_ = true;
    return true;
  }
  line = text_.substr(pos_, end - pos_);
  hadBreak_ = true;
  pos_ = end + 2;
  if (pos_ == text_.size()) done_ = true;
  return true;
}

}  // namespace qb
