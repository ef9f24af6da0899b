// The working text of a line loop (行単位), read line by line and written again. Where the text
// has spare capacity and nothing needs the text before the loop afterwards, the lines already done
// are written from the front of the text's own buffer while the lines still to come wait at its
// back: no second buffer of the whole text. When a line would overrun the lines still to come,
// these move to a buffer of their own and the loop goes on into the text's buffer as usual.
#pragma once
#include <string>
#include <string_view>

#include "planlib/engine/sjis_text.h"

namespace qb {

class LineLoopText {
 public:
  // Takes `text` over: from here on it holds the lines written (and, in place, the lines to
  // come). `keepInput` keeps the text before the loop untouched in inputBefore().
  LineLoopText(std::string& text, bool keepInput);

  // The next line to work on; false when there is none. As LineCursor.
  bool next(std::string_view& line);
  bool hadBreak() const { return hadBreak_; }

  // Appends to the lines written.
  void write(std::string_view piece);
  std::size_t written() const { return written_; }

  // The text becomes the lines written.
  void finish();
  // The text becomes what it was before the loop; only when it was kept.
  void restoreInput();

 private:
  void spill();

  std::string& text_;
  std::string input_;         // the lines to come when they are not in text_
  std::string_view unread_;   // what cursor_ walks: in text_ (in place) or in input_
  LineCursor cursor_{{}};
  bool inPlace_ = false;
  bool hadBreak_ = false;     // of the line last returned
  std::size_t written_ = 0;   // in place: bytes written at the front of text_
};

}  // namespace qb
