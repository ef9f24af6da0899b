#include "planlib/editor/block_writer.h"

#include <vector>

#include "planlib/engine/plan_tags.h"

namespace qb {

namespace {

std::string Elements(const std::vector<std::string_view>& names, const BlockValues& values) {
  std::string text;
  for (std::string_view name : names) {
    auto found = values.find(name);
    text += Element(name, found == values.end() ? std::string_view() : std::string_view(found->second));
  }
  return text;
}

}  // namespace

std::string WriteBlock(const BlockKind& kind, const BlockValues& values, std::string_view conditions) {
  std::string elements = Elements(kind.elements, values) + std::string(conditions);
  if (!kind.container) return Element(kind.tag, elements);
  return OpenTag(kind.tag) + Element(std::string(kind.tag) + "ME", elements) + CloseTag(kind.tag);
}

std::string WriteCondition(const ConditionKind& kind, const BlockValues& values) {
  return Element(kind.tag, Elements(kind.elements, values));
}

std::string WriteBlock(std::string_view tag, const BlockValues& values, std::string_view conditions) {
  const BlockKind* kind = FindBlockKind(tag);
  return kind == nullptr ? std::string() : WriteBlock(*kind, values, conditions);
}

}  // namespace qb
