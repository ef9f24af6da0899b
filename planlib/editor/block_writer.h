// Writes one block alone from its values, in the element order of its kind: a simple block as
// "<@@TAG>" elements "<@@/TAG>", a container as "<@@TAG><@@TAGME>" elements "<@@/TAGME><@@/TAG>".
#pragma once
#include <map>
#include <string>
#include <string_view>

#include "planlib/engine/block_kinds.h"

namespace qb {

// Element name to value; an element without a value is written empty.
using BlockValues = std::map<std::string, std::string, std::less<>>;

// `conditions` (the CONDITION_K elements of a condition block) follow the elements.
std::string WriteBlock(const BlockKind& kind, const BlockValues& values, std::string_view conditions = {});
// A condition ("<@@CONDITION_K2>" elements "<@@/CONDITION_K2>").
std::string WriteCondition(const ConditionKind& kind, const BlockValues& values);

// The same by tag name; empty when the tag is not a block kind.
std::string WriteBlock(std::string_view tag, const BlockValues& values, std::string_view conditions = {});

}  // namespace qb
