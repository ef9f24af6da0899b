#include "planlib/engine/block_settings.h"

#include "base/numbers.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

std::optional<std::string_view> ElementCache::find(std::string_view blockValue, std::string_view name) {
  for (const Entry& entry : entries_) {
    if (entry.name == name) return entry.value;
  }
  std::optional<std::string_view> value = FindElement(blockValue, name);
  entries_.push_back({std::string(name), value});
  return value;
}

std::string_view BlockSettings::view(std::string_view name) {
  std::optional<std::string_view> found =
      cache_ != nullptr ? cache_->find(value_, name) : FindElement(value_, name);
  if (!found) {
    if (missing_.empty()) missing_ = std::string(name);
    return {};
  }
  return *found;
}

int BlockSettings::number(std::string_view name) { return ParseLeadingInt(view(name)); }

int BlockSettings::fail(BlockContext& context) const {
  return context.error("操作ブロック解析中にエラーが発生しました（" + std::string(className_) +
                       "::m_Run）　");
}

}  // namespace qb
