// The working text of a qbplan run, read from standard input, and the way to give it back
// unchanged when the run does not complete. An input that can be read again (a file) is not held
// twice: it is read again from where it began. A pipe's input is kept as a copy.
#pragma once
#include <istream>
#include <ostream>
#include <string>

namespace qb {

class RunInput {
 public:
  // Reads all of `in`.
  explicit RunInput(std::istream& in);

  // The text the plan works on (it may be changed).
  std::string& text() { return text_; }

  // Writes the input as it was read; false (with nothing or a part written) when a file can no
  // longer be read back whole.
  bool writeOriginal(std::ostream& out);

 private:
  std::istream& in_;
  std::streampos start_ = std::streampos(-1);  // where a file input began; -1 for a pipe
  std::size_t size_ = 0;                       // bytes read
  std::string text_;
  std::string kept_;  // a pipe's input
};

}  // namespace qb
