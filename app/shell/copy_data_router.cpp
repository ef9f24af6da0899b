#include "app/shell/copy_data_router.h"

#include <cstring>

namespace qb {

void CopyDataRouter::addText(std::string text, Handler handler) {
  texts_.emplace_back(std::move(text), std::move(handler));
}

void CopyDataRouter::addPrefix(std::string prefix, Handler handler) {
  prefixes_.emplace_back(std::move(prefix), std::move(handler));
}

std::string_view CopyDataRouter::TextOf(const void* data, std::size_t bytes) {
  if (!data) return {};
  const std::size_t limit = bytes < kCopyDataTextLimit ? bytes : kCopyDataTextLimit;
  const char* text = static_cast<const char*>(data);
  const void* zero = std::memchr(text, 0, limit);
  return std::string_view(text, zero ? static_cast<const char*>(zero) - text : limit);
}

bool CopyDataRouter::route(std::uintptr_t dataWord, const void* data, std::size_t bytes) const {
  if (dataWord != 0) return false;
  return routeText(TextOf(data, bytes));
}

bool CopyDataRouter::routeText(std::string_view text) const {
  for (const auto& [command, handler] : texts_) {
    if (text == command) {
      handler(text);
      return true;
    }
  }
  for (const auto& [prefix, handler] : prefixes_) {
    if (text.starts_with(prefix)) {
      handler(text);
      return true;
    }
  }
  return false;
}

}  // namespace qb
