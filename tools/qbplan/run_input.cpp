#include "tools/qbplan/run_input.h"

namespace qb {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 16;

// The bytes from `start` to the end of a stream that can seek.
std::streamoff RemainingFrom(std::streambuf& source, std::streampos start) {
  std::streampos end = source.pubseekoff(0, std::ios::end, std::ios::in);
  source.pubseekpos(start, std::ios::in);
  return end == std::streampos(-1) ? -1 : end - start;
}

}  // namespace

RunInput::RunInput(std::istream& in) : in_(in) {
  std::streambuf* source = in.rdbuf();
  if (source == nullptr) return;
  start_ = source->pubseekoff(0, std::ios::cur, std::ios::in);
  std::streamoff remaining = start_ == std::streampos(-1) ? -1 : RemainingFrom(*source, start_);
  // One buffer of the right size for a file (one byte more to see its end); doubling for a pipe.
  std::size_t size = 0;
  // An eighth more capacity than the text, never touched unless used: room for a line loop to
  // rewrite the text in place.
  if (remaining >= 0) text_.reserve(static_cast<std::size_t>(remaining) + static_cast<std::size_t>(remaining) / 8 + 1);
  text_.resize(remaining >= 0 ? static_cast<std::size_t>(remaining) + 1 : kPiece);
  while (true) {
    if (size == text_.size()) text_.resize(text_.size() * 2);
    std::streamsize got = source->sgetn(text_.data() + size, static_cast<std::streamsize>(text_.size() - size));
    if (got <= 0) break;
    size += static_cast<std::size_t>(got);
  }
  text_.resize(size);
  size_ = size;
  if (remaining < 0) {
    start_ = std::streampos(-1);
    kept_ = text_;
  }
}

bool RunInput::writeOriginal(std::ostream& out) {
  if (start_ == std::streampos(-1)) {
    out.write(kept_.data(), static_cast<std::streamsize>(kept_.size()));
    return true;
  }
  // The text may have been changed in place, so the file is read again, exactly as many bytes
  // as the first time.
  std::streambuf* source = in_.rdbuf();
  if (source->pubseekpos(start_, std::ios::in) == std::streampos(-1)) return false;
  std::size_t left = size_;
  std::string piece(left < kPiece ? left : kPiece, '\0');
  while (left > 0) {
    std::streamsize wanted = static_cast<std::streamsize>(left < piece.size() ? left : piece.size());
    std::streamsize got = source->sgetn(piece.data(), wanted);
    if (got <= 0) return false;
    out.write(piece.data(), got);
    left -= static_cast<std::size_t>(got);
  }
  return true;
}

}  // namespace qb
