// The publish link: OPEN and MAINTE messages for the Open tab, and the send queue its jobs take.
#pragma once
#include <atomic>
#include <string>
#include <string_view>

#include "lan/lan_link.h"
#include "lan/open_send_queue.h"
#include "lan/tab_gate.h"
#include "lan/tab_operations.h"

namespace qb {

class COpenSocket : public LanLink {
 public:
  static constexpr int kSendTickMilliseconds = 100;
  static constexpr int kRestartSettleMilliseconds = 1000;

  COpenSocket(Net& net, Clock& clock, LinkSettings settings);
  ~COpenSocket() override;

  // The Open tab. Detaching (null) returns once no call of the link's threads is in it.
  void AttachTab(OpenTabOperations* tab);
  void SetPublishing(bool on) { publishing_.store(on ? 1 : 0); }
  bool Publishing() const { return publishing_.load() == 1; }

  // Each returns 0, or -1 when the send fails; 0 without sending while the socket is not open.
  // Kind "R" sends the request of a pair, anything else the answer.
  int SendCheckRequest(const std::string& group);
  int SendCheckAnswer(const std::string& group, const std::string& to);
  int SendInfo(std::string_view kind, const std::string& to, const std::string& text);
  int SendEnd(const std::string& to, const std::string& group);
  int SendMaintenance(std::string_view kind, const std::string& to);

  // The destination of OPEN_CHECK_R: 255.255.255.255 with the wide broadcast setting, else the
  // own address with its last octet 255.
  std::uint32_t BroadcastAddress() const;

  // 0, or -1 when 49 jobs wait already (logged "公開送信受渡バッファ溢れ").
  int Enqueue(const std::string& kind, const std::string& parameter1,
              const std::string& parameter2);
  int Dequeue(OpenSendJob& job) { return queue_.Dequeue(job) ? 0 : -1; }
  void ResetQueue() { queue_.Reset(); }
  std::size_t QueuedJobs() const { return queue_.waiting(); }

  // Restart after a settings change, with at least one publish group registered: the end of
  // publishing goes out first (old address and port), the group is joined anew afterwards.
  void Restart(int groupCount);
  bool Restarting() const { return restarting_.load(); }

  bool SendStep() override;

 protected:
  void Dispatch(const ParsedDatagram& parsed) override;
  bool TabAttached() const override { return tabs_.Attached(); }
  void BeforeStop() override { queue_.Reset(); }

 private:
  void DispatchOpen(const ParsedDatagram& parsed, OpenTabOperations& tab);
  void DispatchMainte(const ParsedDatagram& parsed);
  std::string PublisherName() const;

  TabGate<OpenTabOperations> tabs_;
  std::atomic<int> publishing_{0};
  std::atomic<bool> restarting_{false};
  OpenSendQueue queue_;
};

}  // namespace qb
