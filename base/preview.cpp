#include "base/preview.h"

namespace qb {

std::string MakePreview(std::string_view value) {
  if (value.size() <= kPreviewBytes) return std::string(value);
  std::string preview(value.substr(0, kPreviewBytes));
  preview += "...";
  return preview;
}

std::string ShowBreaksAndTabs(std::string_view preview) {
  std::string shown;
  shown.reserve(preview.size());
  for (char c : preview) {
    if (c == '\r' || c == '\n' || c == '\t') {
      shown += "・";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace qb
