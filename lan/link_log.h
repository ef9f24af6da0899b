// The communication log of a link: the newest 30 entries, oldest first.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace qb {

struct LinkLogEntry {
  std::string time;         // "%m/%d %H:%M:%S"
  std::string detail;       // shown under "ｴﾗｰ内容"
  std::string description;  // shown under "ｴﾗｰ説明"
  std::string kind;         // "共通", "送信" or "受信"
};

std::string LogKindCommon();   // "共通": socket and address events
std::string LogKindSend();     // "送信"
std::string LogKindReceive();  // "受信"

class LinkLog {
 public:
  static constexpr std::size_t kCapacity = 30;

  // At 30 entries the oldest one is dropped first.
  void Append(LinkLogEntry entry);
  const std::vector<LinkLogEntry>& entries() const { return entries_; }
  std::size_t count() const { return entries_.size(); }

 private:
  std::vector<LinkLogEntry> entries_;
};

}  // namespace qb
