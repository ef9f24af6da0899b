// The tags of the plan text: "<@@NAME>" value "<@@/NAME>".
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kTagStart = "<@@";

std::string OpenTag(std::string_view name);   // "<@@NAME>"
std::string CloseTag(std::string_view name);  // "<@@/NAME>"
// "<@@NAME>" + value + "<@@/NAME>"
std::string Element(std::string_view name, std::string_view value);

// The name inside an opening tag ("<@@LINE>" -> "LINE"); empty when it is not one.
std::string_view TagName(std::string_view openTag);

// True for upper-case ASCII letters, digits and underscores, at least one.
bool IsTagName(std::string_view name);

// The text between the first opening tag of `name` and the first closing tag after it.
// Empty optional when either is missing.
std::optional<std::string> ReadElement(std::string_view blockValue, std::string_view name);
// The same as a view into `blockValue`, without building the tags.
std::optional<std::string_view> FindElement(std::string_view blockValue, std::string_view name);

}  // namespace qb
