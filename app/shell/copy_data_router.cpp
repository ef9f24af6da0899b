#include "app/shell/copy_data_router.h"

#include <cstring>

namespace qb {

void CopyDataRouter::add(std::string prefix, Handler handler) {
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

bool CopyDataRouter::route(std::string_view command) const {
  const Entry* best = nullptr;
  for (const Entry& entry : entries_) {
    if (command.starts_with(entry.prefix) && (best == nullptr || entry.prefix.size() > best->prefix.size())) {
      best = &entry;
    }
  }
  return best != nullptr && best->handler(command);
}

}  // namespace qb
