// The lines of a file that a block reads (ファイル読み込み, パターンファイル置換). A line ends at
// LF, and a CR right before that LF belongs to the line break: files written with CR LF and files
// written with LF read alike. A CR alone ends nothing. (The working text itself is split at CR LF
// only; see LineCursor.)
#pragma once
#include <cstddef>
#include <string_view>

namespace qb {

class FileLineCursor {
 public:
  explicit FileLineCursor(std::string_view content) : content_(content) {}
  // The next line without its line break; false when the content is used up. Content that ends
  // with a line break has no empty line after it; empty content is one empty line.
  bool next(std::string_view& line);
  // Where the line just returned begins and ends (before its line break).
  std::size_t lineBegin() const { return begin_; }
  std::size_t lineEnd() const { return end_; }
  // Where the next line begins (the size of the content after the last line).
  std::size_t nextBegin() const { return pos_; }

 private:
  std::string_view content_;
  std::size_t pos_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool done_ = false;
};

}  // namespace qb
