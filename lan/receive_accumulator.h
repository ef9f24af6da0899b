// Joins the datagrams of one message on the receiving side.
//
// A datagram shorter than the 22-byte head is held and the next one appended. A message whose
// declared length is more than what arrived waits for more, up to 100 datagrams. Held bytes
// never swallow a whole new message: a datagram that itself begins with the magic starts anew.
// The wake-up datagram ("0", one byte) is never held.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "lan/envelope.h"

namespace qb {

inline constexpr std::string_view kWakeUpDatagram = "0";

class ReceiveAccumulator {
 public:
  static constexpr int kMaxDatagrams = 100;

  enum class Result {
    kNeedMore,  // held (or ignored): receive again
    kComplete,  // `parsed` holds the message
    kDrop,      // foreign or broken: the link clears and goes on
  };

  Result Add(std::string_view datagram, ParsedDatagram& parsed);
  void Clear();
  std::size_t heldBytes() const { return bytes_.size(); }
  int heldDatagrams() const { return count_; }

 private:
  std::string bytes_;
  int count_ = 0;
};

}  // namespace qb
