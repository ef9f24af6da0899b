#include "app/settings/bound_key_list.h"

#include <stdexcept>

namespace qb {

void BoundKeyList::add(BoundKey key) {
  if (!indexByKey_.emplace(key.key, keys_.size()).second) {
    throw std::logic_error("settings key listed twice: " + key.key);
  }
  keys_.push_back(std::move(key));
}

const BoundKey* BoundKeyList::find(std::string_view key) const {
  auto found = indexByKey_.find(std::string(key));
  return found == indexByKey_.end() ? nullptr : &keys_[found->second];
}

void BoundKeyList::assignDefaults() const {
  for (const BoundKey& key : keys_) AssignFieldValue(key.field, key.defaultValue);
}

}  // namespace qb
