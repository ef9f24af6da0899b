// The last 50 texts that change sync put on this computer's clipboard, with the publisher and
// the time: the same text from the same publisher is not taken again within 3000 ms, and a text
// that just came in this way is not announced back to the network.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qb {

class EchoRing {
 public:
  static constexpr int kEntries = 50;
  static constexpr std::uint64_t kFreshMilliseconds = 3000;

  // An entry younger than 3000 ms holds this publisher's text.
  bool Holds(const std::string& address, const std::string& text, std::uint64_t now) const;
  // An entry younger than 3000 ms holds this text, from any publisher.
  bool HoldsText(const std::string& text, std::uint64_t now) const;
  void Record(std::string address, std::string text, std::uint64_t now);

 private:
  struct Entry {
    std::string address;
    std::string text;
    std::uint64_t at = 0;
    bool used = false;
  };
  bool Fresh(const Entry& entry, std::uint64_t now) const {
    return entry.used && now - entry.at < kFreshMilliseconds;
  }

  std::array<Entry, kEntries> entries_{};
  int index_ = 0;
};

}  // namespace qb
