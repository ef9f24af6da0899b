// The keys of one settings file, expanded from its key table and bound to the fields of one
// settings object, in reading order.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/settings/key_limit.h"
#include "app/settings/setting_value.h"

namespace qb {

struct BoundKey {
  std::string key;  // with its "="
  FieldRef field;
  SettingValue defaultValue;
  std::string_view defaultComment;
  KeyLimit limit;
};

class BoundKeyList {
 public:
  // A key that is already in the list is a fault of the table (std::logic_error).
  void add(BoundKey key);

  // The key with exactly this text (case-sensitive, "=" included), or null.
  const BoundKey* find(std::string_view key) const;

  const std::vector<BoundKey>& keys() const { return keys_; }

  // Every field takes its default.
  void assignDefaults() const;

 private:
  std::vector<BoundKey> keys_;
  std::unordered_map<std::string, std::size_t> indexByKey_;
};

}  // namespace qb
