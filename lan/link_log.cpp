#include "lan/link_log.h"

namespace qb {

std::string LogKindCommon() { return "共通"; }
std::string LogKindSend() { return "送信"; }
std::string LogKindReceive() { return "受信"; }

void LinkLog::Append(LinkLogEntry entry) {
  if (entries_.size() >= kCapacity) entries_.erase(entries_.begin());
  entries_.push_back(std::move(entry));
}

}  // namespace qb
