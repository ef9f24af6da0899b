// The kinds of plan elements as data: header elements, operation blocks and conditions.
// The parser, the runner, the block descriptions and the editor all read these tables.
#pragma once
#include <string_view>
#include <vector>

namespace qb {

struct BlockKind {
  std::string_view code;         // "A001"
  std::string_view displayName;  // "単純挿入"
  std::string_view className;    // "CInsert"
  std::string_view tag;          // "INSERT"
  std::vector<std::string_view> elements;  // block elements in the order they are written
  bool container = false;        // LINE, CONDITION, CUTTING, LOOP, COMMENT
};

struct HeaderKind {
  std::string_view tag;    // "PLAN_NAME"
  std::string_view label;  // "【プラン名】"
};

struct ConditionKind {
  int number;                    // 1-7, the digit of "CONDITION_K1"
  std::string_view tag;          // "CONDITION_K1"
  std::string_view displayName;  // "文字列判定"
  std::vector<std::string_view> elements;
};

const std::vector<BlockKind>& BlockKinds();
const std::vector<HeaderKind>& HeaderKinds();
const std::vector<ConditionKind>& ConditionKinds();

// By tag name without brackets ("LINE"); null when unknown.
const BlockKind* FindBlockKind(std::string_view tagName);
const HeaderKind* FindHeaderKind(std::string_view tagName);
// 1-7; null otherwise.
const ConditionKind* FindConditionKind(int number);

}  // namespace qb
