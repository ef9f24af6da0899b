// Reads the elements of one block value. A missing element is remembered; the block checks ok()
// once after reading all it needs and fails with the analysis message.
#pragma once
#include <cstdint>
#include <cstring>
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
  struct Entry {
    std::string name;
    std::optional<std::string_view> value;  // as FindElement
    int number = 0;                         // the value read as a plain decimal number
  };
  // The element `name` of `blockValue`, which must be the same value on every call.
  const Entry& entry(std::string_view blockValue, std::string_view name) {
    const Entry* found = expected(name);
    return found != nullptr ? *found : findOrAdd(blockValue, name);
  }
  // The entry when `name` is the element read next in the order of the last run; null otherwise.
  [[gnu::always_inline]] const Entry* expected(std::string_view name) {
    if (next_ >= entries_.size() || !SameName(entries_[next_].name, name)) return nullptr;
    const Entry* found = &entries_[next_];
    next_ = next_ + 1 < entries_.size() ? next_ + 1 : 0;
    return found;
  }
  void clear() {
    entries_.clear();
    next_ = 0;
  }

 private:
  const Entry& findOrAdd(std::string_view blockValue, std::string_view name);
  // Element names are short: two overlapping word loads compare names of 4 to 16 bytes.
  [[gnu::always_inline]] static bool SameName(std::string_view a, std::string_view b) {
    std::size_t n = a.size();
    if (n != b.size()) return false;
    if (n >= 8 && n <= 16) return Word<std::uint64_t>(a, 0) == Word<std::uint64_t>(b, 0) &&
                                  Word<std::uint64_t>(a, n - 8) == Word<std::uint64_t>(b, n - 8);
    if (n >= 4 && n < 8) return Word<std::uint32_t>(a, 0) == Word<std::uint32_t>(b, 0) &&
                                Word<std::uint32_t>(a, n - 4) == Word<std::uint32_t>(b, n - 4);
    return a == b;
  }
  template <typename Unsigned>
  static Unsigned Word(std::string_view text, std::size_t at) {
    Unsigned word;
    std::memcpy(&word, text.data() + at, sizeof word);
    return word;
  }

  std::vector<Entry> entries_;
  std::size_t next_ = 0;  // a block reads its elements in the same order every time
};

class BlockSettings {
 public:
  // `cache`, when given, belongs to this block value and outlives the settings.
  BlockSettings(std::string_view value, std::string_view className, ElementCache* cache = nullptr)
      : value_(value), className_(className), cache_(cache) {}

  std::string text(std::string_view name) { return std::string(view(name)); }
  // The same without a copy: a view into the block value.
  [[gnu::always_inline]] std::string_view view(std::string_view name) {
    const ElementCache::Entry* found = cache_ != nullptr ? cache_->expected(name) : nullptr;
    return found != nullptr && found->value ? *found->value : viewSlowly(name);
  }
  // Plain decimal conversion; a non-number reads as 0.
  [[gnu::always_inline]] int number(std::string_view name) {
    const ElementCache::Entry* found = cache_ != nullptr ? cache_->expected(name) : nullptr;
    return found != nullptr && found->value ? found->number : numberSlowly(name);
  }

  bool ok() const { return missing_.empty(); }
  // "操作ブロック解析中にエラーが発生しました（" + class + "::m_Run）　"; returns -1.
  int fail(BlockContext& context) const;

  std::string_view value() const { return value_; }
  std::string_view className() const { return className_; }

 private:
  // Looked up in the cache when there is one (the fast path found nothing), else in the value.
  std::string_view viewSlowly(std::string_view name);
  int numberSlowly(std::string_view name);
  void missing(std::string_view name);

  std::string_view value_;
  std::string_view className_;
  ElementCache* cache_;
  std::string missing_;
};

}  // namespace qb
