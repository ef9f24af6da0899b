#include "base/preview.h"

namespace qb {

std::string MakePreview(std::string_view value) {
  if (value.size() <= kPreviewBytes) return std::string(value);
  std::string preview(value.substr(0, kPreviewBytes));
  preview += "...";
  return preview;
}

}  // namespace qb
