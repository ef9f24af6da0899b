#include "planlib/engine/block_settings.h"

#include "base/numbers.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

const ElementCache::Entry& ElementCache::findOrAdd(std::string_view blockValue, std::string_view name) {
  for (std::size_t at = 0; at < entries_.size(); ++at) {
    if (SameName(entries_[at].name, name)) {
      next_ = at + 1;
      return entries_[at];
    }
  }
  Entry added{std::string(name), FindElement(blockValue, name)};
  if (added.value) added.number = ParseLeadingInt(*added.value);
  entries_.push_back(std::move(added));
  next_ = entries_.size();
  return entries_.back();
}

void BlockSettings::missing(std::string_view name) {
  if (missing_.empty()) missing_ = std::string(name);
}

std::string_view BlockSettings::viewSlowly(std::string_view name) {
  std::optional<std::string_view> found =
      cache_ != nullptr ? cache_->entry(value_, name).value : FindElement(value_, name);
  if (!found) return missing(name), std::string_view();
  return *found;
}

int BlockSettings::numberSlowly(std::string_view name) {
  if (cache_ == nullptr) return ParseLeadingInt(viewSlowly(name));
  const ElementCache::Entry& found = cache_->entry(value_, name);
  if (!found.value) return missing(name), 0;
  return found.number;
}

int BlockSettings::fail(BlockContext& context) const {
  return context.error("操作ブロック解析中にエラーが発生しました（" + std::string(className_) +
                       "::m_Run）　");
}

}  // namespace qb
