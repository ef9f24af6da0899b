#include "planlib/engine/block_settings.h"

#include "base/numbers.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

std::string BlockSettings::text(std::string_view name) {
  std::optional<std::string> found = ReadElement(value_, name);
  if (!found) {
    if (missing_.empty()) missing_ = std::string(name);
    return {};
  }
  return *found;
}

int BlockSettings::number(std::string_view name) { return ParseLeadingInt(text(name)); }

int BlockSettings::fail(BlockContext& context) const {
  return context.error("操作ブロック解析中にエラーが発生しました（" + std::string(className_) +
                       "::m_Run）　");
}

}  // namespace qb
