#include "planlib/engine/file_lines.h"

namespace qb {

bool FileLineCursor::next(std::string_view& line) {
  if (done_) return false;
  begin_ = pos_;
  std::size_t feed = content_.find('\n', pos_);
  if (feed == std::string_view::npos) {
    end_ = content_.size();
    pos_ = end_;
    done_ = true;
  } else {
    end_ = feed > begin_ && content_[feed - 1] == '\r' ? feed - 1 : feed;
    pos_ = feed + 1;
    done_ = pos_ == content_.size();
  }
  line = content_.substr(begin_, end_ - begin_);
  return true;
}

}  // namespace qb
