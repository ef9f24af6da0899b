#include "lan/receive_accumulator.h"

#include <vector>

#include "base/numbers.h"
#include "base/records.h"
#include "lan/scramble.h"

namespace qb {

namespace {

// The head fields are read from an unscrambled prefix: no more work per datagram than this.
constexpr std::size_t kHeadProbeBytes = 64;

bool BeginsWithMagic(std::string_view datagram) {
  if (datagram.size() < kEnvelopeMagic.size()) return false;
  return Unscramble(datagram.substr(0, kEnvelopeMagic.size())) == kEnvelopeMagic;
}

std::int64_t DeclaredLength(std::string_view head) {
  std::vector<std::string> fields = SplitFields(head, 3);
  return fields.size() >= 2 ? ParseLeadingInt(fields[1]) : 0;
}

}  // namespace

ReceiveAccumulator::Result ReceiveAccumulator::Add(std::string_view datagram,
                                                   ParsedDatagram& parsed) {
  if (datagram == kWakeUpDatagram) return Result::kNeedMore;
  if (count_ > 0 && BeginsWithMagic(datagram)) Clear();
  bytes_.append(datagram);
  ++count_;
  if (bytes_.size() < kEnvelopeHeadBytes) return Result::kNeedMore;
  std::string head = Unscramble(std::string_view(bytes_).substr(0, kHeadProbeBytes));
  if (head.compare(0, kEnvelopeMagic.size(), kEnvelopeMagic) != 0) return Result::kDrop;
  if (DeclaredLength(head) > static_cast<std::int64_t>(bytes_.size())) {
    return count_ >= kMaxDatagrams ? Result::kDrop : Result::kNeedMore;
  }
  parsed = ParseEnvelope(Unscramble(bytes_));
  return Result::kComplete;
}

void ReceiveAccumulator::Clear() {
  bytes_.clear();
  count_ = 0;
}

}  // namespace qb
