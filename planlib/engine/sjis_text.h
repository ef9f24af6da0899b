// Text operations on Shift-JIS bytes that never look into a double-byte character.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

// ASCII letters lowered / raised; double-byte characters (and their trail bytes) unchanged, so
// every byte keeps its position.
std::string SjisLower(std::string_view text);
std::string SjisUpper(std::string_view text);

// Finds a pattern only where a character starts: a hit on the trail byte of a double-byte
// character is no hit. Searches must go forward (each `from` at or after the previous hit) to
// stay linear; a search going back starts the character walk again.
class SjisFinder {
 public:
  explicit SjisFinder(std::string_view text) : text_(text) {}
  std::size_t find(std::string_view pattern, std::size_t from);

 private:
  std::string_view text_;
  std::size_t boundary_ = 0;  // a character start at or before the last position asked for
};

// Byte offset of 1-based character `n`, for a position before which something happens:
// n <= 1 gives 0, a position past the end the length.
std::size_t CharPositionToByte(std::string_view text, long n);
// The same for a 1-based byte position: n - 1 clamped to [0, length].
std::size_t BytePositionToByte(std::string_view text, long n);

// Number of lines: 1 + CR LF pairs, one less when the text ends with CR LF.
std::size_t CountLines(std::string_view text);

// Walks the lines of a text split at CR LF; the line break is not part of a line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // The next line; false when the text is used up. A text ending with CR LF has no empty line
  // after it; an empty text is one empty line.
  bool next(std::string_view& line);
  // True when the line just returned was followed by CR LF.
  bool hadBreak() const { return hadBreak_; }
  // True when no line is left; otherwise rest() is the text from the next line on, never empty.
  bool done() const { return done_; }
  std::string_view rest() const { return text_.substr(pos_); }
  // Leaves no line to come.
  void finishAll() { done_ = true; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  bool done_ = false;
  bool hadBreak_ = false;
};

}  // namespace qb
