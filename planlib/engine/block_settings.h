// Reads the elements of one block value. A missing element is remembered; the block checks ok()
// once after reading all it needs and fails with the analysis message.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planlib/engine/block_context.h"

namespace qb {

// The elements of one block value as they were found, for a block that runs many times in one
// run (inside a line loop or a loop): each element is looked for in the value only once.
class ElementCache {
 public:
  // As FindElement; `blockValue` must be the same value on every call.
  std::optional<std::string_view> find(std::string_view blockValue, std::string_view name);
  void clear() { entries_.clear(); }

 private:
  struct Entry {
    std::string name;
    std::optional<std::string_view> value;
  };
  std::vector<Entry> entries_;
};

class BlockSettings {
 public:
  // `cache`, when given, belongs to this block value and outlives the settings.
  BlockSettings(std::string_view value, std::string_view className, ElementCache* cache = nullptr)
      : value_(value), className_(className), cache_(cache) {}

  std::string text(std::string_view name) { return std::string(view(name)); }
  // The same without a copy: a view into the block value.
  std::string_view view(std::string_view name);
  // Plain decimal conversion; a non-number reads as 0.
  int number(std::string_view name);

  bool ok() const { return missing_.empty(); }
  // "操作ブロック解析中にエラーが発生しました（" + class + "::m_Run）　"; returns -1.
  int fail(BlockContext& context) const;

  std::string_view value() const { return value_; }
  std::string_view className() const { return className_; }

 private:
  std::string_view value_;
  std::string_view className_;
  ElementCache* cache_;
  std::string missing_;
};

}  // namespace qb
