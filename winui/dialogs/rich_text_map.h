// Positions in a Shift-JIS text and in the rich-edit control that shows it. The control holds one
// UTF-16 unit per character of code page 932 and one paragraph mark per line break, so "\r\n"
// takes two bytes but one position.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qb::winui {

class RichTextMap {
 public:
  explicit RichTextMap(std::string_view text);

  // The position of the character that starts at (or holds) byte `byte`; the length at the end.
  long toControl(std::size_t byte) const;
  // The first byte of the character at `position`, clamped to the text.
  std::size_t toByte(long position) const;
  long controlLength() const { return static_cast<long>(starts_.size()) - 1; }

 private:
  std::vector<std::uint32_t> starts_;  // first byte of each position, then the text's size
};

}  // namespace qb::winui
