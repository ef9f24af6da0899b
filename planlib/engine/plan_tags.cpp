#include "planlib/engine/plan_tags.h"

namespace qb {

std::string OpenTag(std::string_view name) {
  std::string tag(kTagStart);
  tag.append(name);
  tag.push_back('>');
  return tag;
}

std::string CloseTag(std::string_view name) {
  std::string tag("<@@/");
  tag.append(name);
  tag.push_back('>');
  return tag;
}

std::string Element(std::string_view name, std::string_view value) {
  std::string element = OpenTag(name);
  element.append(value);
  element.append(CloseTag(name));
  return element;
}

std::string_view TagName(std::string_view openTag) {
  if (openTag.size() < kTagStart.size() + 2 || !openTag.starts_with(kTagStart) ||
      openTag.back() != '>') {
    return {};
  }
  return openTag.substr(kTagStart.size(), openTag.size() - kTagStart.size() - 1);
}

bool IsTagName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    bool ok = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

std::optional<std::string> ReadElement(std::string_view blockValue, std::string_view name) {
  std::string open = OpenTag(name);
  std::size_t start = blockValue.find(open);
  if (start == std::string_view::npos) return std::nullopt;
  start += open.size();
  std::size_t end = blockValue.find(CloseTag(name), start);
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(blockValue.substr(start, end - start));
}

}  // namespace qb
