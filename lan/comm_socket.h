// The share link: COMM_UPDATE notices between the computers that use one shared folder, and the
// paced delivery of a change to every peer (at most three requests each, one per pass).
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "lan/comm_peer_table.h"
#include "lan/lan_link.h"
#include "lan/tab_gate.h"
#include "lan/tab_operations.h"

namespace qb {

class CCommSocket : public LanLink {
 public:
  static constexpr int kSendTickMilliseconds = 150;
  static constexpr int kRebuildWaitMilliseconds = 200;
  static constexpr int kSendsPerPeer = 3;
  static constexpr int kSendsPerTick = 3;
  static constexpr int kPassPause = -10;
  static constexpr int kPendingReloadEvery = 5;

  CCommSocket(Net& net, Clock& clock, LinkSettings settings);
  ~CCommSocket() override;

  // The Shared tab. Detaching (null) returns once no call of the link's threads is in it.
  void AttachTab(SharedTabOperations* tab);
  // The key of the shared folder that is open; COMM messages of other keys are ignored.
  void SetOwnShareKey(std::string key);
  // After the user changed the shared folder: deliver a notice of it to every peer.
  void ArmDelivery(std::string shareKey);

  // 0, or -1 when the send fails; 0 without sending while the socket is not open.
  int SendCommUpdate(std::string_view kind, const std::string& to);
  // One tick of update delivery: 0, or -1 when a request could not be sent (delivery dropped).
  int DeliveryTick();
  void OnCommUpdateRequest(const std::string& scope, const std::string& from);
  void OnCommUpdateAnswer(const std::string& scope, const std::string& from);

  CommPeerTable PeerTable() const;

  bool SendStep() override;

 protected:
  void Dispatch(const ParsedDatagram& parsed) override;
  bool TabAttached() const override { return tabs_.Attached(); }
  void BeforeStop() override;

 private:
  int SendComm(std::string_view kind, const std::string& to, const std::string& scope);
  bool DeliveryWanted() const;
  bool TakeUpArmedChange(std::unique_lock<std::mutex>& lock);
  int SendPass();

  TabGate<SharedTabOperations> tabs_;
  mutable std::mutex peerMutex_;
  CommPeerTable peers_;
  std::uint64_t armCount_ = 0;
  int tickCount_ = 0;  // send thread only
};

}  // namespace qb
