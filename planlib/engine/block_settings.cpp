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

std::string_view BlockSettings::viewUncached(std::string_view name) {
  std::optional<std::string_view> found = FindElement(value_, name);
  if (!found) return missing(name), std::string_view();
  return *found;
}

int BlockSettings::numberUncached(std::string_view name) { return ParseLeadingInt(viewUncached(name)); }

int BlockSettings::fail(BlockContext& context) const {
  return context.error("操作ブロック解析中にエラーが発生しました（" + std::string(className_) +
                       "::m_Run）　");
}

}  // namespace qb
