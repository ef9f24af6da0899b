#include "planlib/engine/line_loop_text.h"

#include <cstring>

namespace qb {

LineLoopText::LineLoopText(std::string& text, bool keepInput) : text_(text) {
  std::size_t size = text.size();
  std::size_t spare = text.capacity() - size;
  // In place only with room to grow (a sixteenth at least, a quarter at most is used).
  if (!keepInput && size >= 64 && spare >= size / 16) {
    std::size_t gap = spare < size / 4 ? spare : size / 4;
    text.resize(size + gap);  // within the capacity: no new buffer
    std::memmove(text.data() + gap, text.data(), size);
    inPlace_ = true;
    unread_ = std::string_view(text).substr(gap, size);
  } else {
    input_ = std::move(text);
    text.clear();
    text.reserve(input_.size() + input_.size() / 4);
    unread_ = input_;
  }
  cursor_ = LineCursor(unread_);
}

bool LineLoopText::next(std::string_view& line) {
  if (!cursor_.next(line)) return false;
  hadBreak_ = cursor_.hadBreak();
  return true;
}

void LineLoopText::write(std::string_view piece) {
  if (inPlace_) {
    // The next line to come begins where the cursor stands.
    std::size_t limit = static_cast<std::size_t>(cursor_.rest().data() - text_.data());
    if (cursor_.done()) limit = text_.size();
    if (written_ + piece.size() <= limit) {
      std::memcpy(text_.data() + written_, piece.data(), piece.size());
      written_ += piece.size();
      return;
    }
    spill();
  }
  text_.append(piece);
  written_ = text_.size();
}

void LineLoopText::spill() {
  input_.assign(cursor_.done() ? std::string_view() : cursor_.rest());
  bool done = cursor_.done();
  text_.resize(written_);
  inPlace_ = false;
  unread_ = input_;
  cursor_ = LineCursor(unread_);
  if (done) cursor_.finishAll();
}

void LineLoopText::finish() {
  if (inPlace_) text_.resize(written_);
}

void LineLoopText::restoreInput() { text_ = std::move(input_); }

}  // namespace qb
