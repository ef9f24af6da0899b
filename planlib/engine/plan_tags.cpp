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

namespace {

// The first "<@@" + slash + name + ">" at or after `from`.
std::size_t FindTag(std::string_view text, std::string_view slash, std::string_view name,
                    std::size_t from) {
  std::size_t length = kTagStart.size() + slash.size() + name.size() + 1;
  for (std::size_t at = text.find(kTagStart, from); at != std::string_view::npos;
       at = text.find(kTagStart, at + 1)) {
    if (text.size() - at < length) return std::string_view::npos;
    std::string_view rest = text.substr(at + kTagStart.size(), length - kTagStart.size());
    if (rest.starts_with(slash) && rest.substr(slash.size(), name.size()) == name && rest.back() == '>') {
      return at;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<std::string_view> FindElement(std::string_view blockValue, std::string_view name) {
  std::size_t start = FindTag(blockValue, "", name, 0);
  if (start == std::string_view::npos) return std::nullopt;
  start += kTagStart.size() + name.size() + 1;
  std::size_t end = FindTag(blockValue, "/", name, start);
  if (end == std::string_view::npos) return std::nullopt;
  return blockValue.substr(start, end - start);
}

std::optional<std::string> ReadElement(std::string_view blockValue, std::string_view name) {
  std::optional<std::string_view> found = FindElement(blockValue, name);
  if (!found) return std::nullopt;
  return std::string(*found);
}

}  // namespace qb
