// Reads the elements of one block value. A missing element is remembered; the block checks ok()
// once after reading all it needs and fails with the analysis message.
#pragma once
#include <string>
#include <string_view>

#include "planlib/engine/block_context.h"

namespace qb {

class BlockSettings {
 public:
  BlockSettings(std::string_view value, std::string_view className)
      : value_(value), className_(className) {}

  std::string text(std::string_view name);
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
  std::string missing_;
};

}  // namespace qb
