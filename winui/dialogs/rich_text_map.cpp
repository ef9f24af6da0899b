#include "winui/dialogs/rich_text_map.h"

#include <algorithm>

#include "base/sjis.h"

namespace qb::winui {

RichTextMap::RichTextMap(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    starts_.push_back(static_cast<std::uint32_t>(pos));
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
      pos += 2;
    } else {
      pos += SjisCharLength(text, pos);
    }
  }
  starts_.push_back(static_cast<std::uint32_t>(text.size()));
}

long RichTextMap::toControl(std::size_t byte) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), byte);
  return std::max(0L, static_cast<long>(after - starts_.begin()) - 1);
}

std::size_t RichTextMap::toByte(long position) const {
  position = std::clamp(position, 0L, controlLength());
  return starts_[static_cast<std::size_t>(position)];
}

}  // namespace qb::winui
