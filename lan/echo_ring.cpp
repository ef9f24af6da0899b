#include "lan/echo_ring.h"

namespace qb {

bool EchoRing::Holds(const std::string& address, const std::string& text, std::uint64_t now) const {
  for (const Entry& entry : entries_) {
    if (Fresh(entry, now) && entry.address == address && entry.text == text) return true;
  }
  return false;
}

bool EchoRing::HoldsText(const std::string& text, std::uint64_t now) const {
  for (const Entry& entry : entries_) {
    if (Fresh(entry, now) && entry.text == text) return true;
  }
  return false;
}

void EchoRing::Record(std::string address, std::string text, std::uint64_t now) {
  index_ = (index_ + 1) % kEntries;
  entries_[static_cast<std::size_t>(index_)] = Entry{std::move(address), std::move(text), now, true};
}

}  // namespace qb
