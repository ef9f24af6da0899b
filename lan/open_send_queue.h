// The jobs the window thread hands to the publish send thread: a ring of 50 slots of which at
// most 49 wait. One lock guards it, so producer and consumer never see a half-written slot.
#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <string>

namespace qb {

struct OpenSendJob {
  std::uint32_t sequence = 0;
  std::string kind;
  std::string queuedAt;  // "%H%M%S"
  std::string parameter1;
  std::string parameter2;
};

class OpenSendQueue {
 public:
  static constexpr std::size_t kSlots = 50;

  // False when 49 jobs wait already (the job is not taken).
  bool Enqueue(std::string kind, std::string queuedAt, std::string parameter1,
               std::string parameter2);
  // False when empty; the slot taken is cleared.
  bool Dequeue(OpenSendJob& job);
  // Empties the ring: counter, both indices, every slot.
  void Reset();
  std::size_t waiting() const;

 private:
  mutable std::mutex mutex_;
  std::array<OpenSendJob, kSlots> slots_{};
  std::size_t writeIndex_ = 0;  // the slot last written
  std::size_t readIndex_ = 0;   // the slot last taken
  std::uint32_t counter_ = 0;
};

}  // namespace qb
