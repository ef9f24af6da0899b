#include "lan/open_send_queue.h"

namespace qb {

bool OpenSendQueue::Enqueue(std::string kind, std::string queuedAt, std::string parameter1,
                            std::string parameter2) {
  std::lock_guard lock(mutex_);
  std::size_t next = (writeIndex_ + 1) % kSlots;
  if (next == readIndex_) return false;
  slots_[next] = OpenSendJob{++counter_, std::move(kind), std::move(queuedAt),
                             std::move(parameter1), std::move(parameter2)};
  writeIndex_ = next;
  return true;
}

bool OpenSendQueue::Dequeue(OpenSendJob& job) {
  std::lock_guard lock(mutex_);
  if (readIndex_ == writeIndex_) return false;
  std::size_t next = (readIndex_ + 1) % kSlots;
  job = std::move(slots_[next]);
  slots_[next] = OpenSendJob{};
  readIndex_ = next;
  return true;
}

void OpenSendQueue::Reset() {
  std::lock_guard lock(mutex_);
  slots_.fill(OpenSendJob{});
  writeIndex_ = 0;
  readIndex_ = 0;
  counter_ = 0;
}

std::size_t OpenSendQueue::waiting() const {
  std::lock_guard lock(mutex_);
  return (writeIndex_ + kSlots - readIndex_) % kSlots;
}

}  // namespace qb
