#include "app/shell/copy_data_router.h"

#include <cstring>

namespace qb {

void CopyDataRouter::addText(std::string text, Handler handler) {
  texts_.emplace_back(std::move(text), std::move(handler));
}

void CopyDataRouter::addPrefix(std::string prefix, Handler handler) {
  prefixes_.emplace_back(std::move(prefix), std::move(handler));
}

void CopyDataRouter::add(std::string prefix, PrefixHandler handler) {
  entries_.push_back({std::move(prefix), std::move(handler)});
}

std::optional<std::string_view> CopyDataRouter::CommandText(std::uintptr_t dataWord,
                                                            const void* data, std::size_t bytes) {
  if (dataWord != 0 || data == nullptr || bytes == 0 || bytes > kMaxCopyDataBytes) {
    return std::nullopt;
  }
  const char* text = static_cast<const char*>(data);
  const void* end = std::memchr(text, 0, bytes);
  std::size_t length = end == nullptr ? bytes : static_cast<std::size_t>(static_cast<const char*>(end) - text);
  return std::string_view(text, length);
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

// A whole-text entry, else the first prefix entry; then the owner of the longest matching prefix
// of the second kind, so that "0927Plan_HotKeyStop" reaches both the hotkeys and the plans.
bool CopyDataRouter::routeText(std::string_view text) const {
  bool taken = false;
  for (const auto& [command, handler] : texts_) {
    if (text == command) {
      handler(text);
      taken = true;
      break;
    }
  }
  for (const auto& [prefix, handler] : prefixes_) {
    if (taken) break;
    if (text.starts_with(prefix)) {
      handler(text);
      taken = true;
    }
  }
  const Entry* best = nullptr;
  for (const Entry& entry : entries_) {
    if (text.starts_with(entry.prefix) && (best == nullptr || entry.prefix.size() > best->prefix.size())) {
      best = &entry;
    }
  }
  if (best != nullptr && best->handler(text)) taken = true;
  return taken;
}

}  // namespace qb
