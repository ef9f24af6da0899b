#include "lan/comm_socket.h"

#include <algorithm>

#include "lan/ipv4_text.h"

namespace qb {

CCommSocket::CCommSocket(Net& net, Clock& clock, LinkSettings settings)
    : LanLink(net, clock, std::move(settings)) {}

CCommSocket::~CCommSocket() { Shutdown(); }

void CCommSocket::AttachTab(SharedTabOperations* tab) {
  if (tab == nullptr) {
    tabs_.Detach(clock());
  } else {
    tabs_.Attach(tab, clock());
  }
}

void CCommSocket::SetOwnShareKey(std::string key) {
  std::lock_guard lock(peerMutex_);
  peers_.ownKey = std::move(key);
}

void CCommSocket::ArmDelivery(std::string shareKey) {
  std::string stamp = NowText("%m/%d %H:%M:%S");
  std::lock_guard lock(peerMutex_);
  peers_.armed = true;
  peers_.armedKey = std::move(shareKey);
  peers_.requestKind = std::string(kCommUpdateRequest);
  peers_.armedStamp = stamp;
  peers_.armedSerial = ++armCount_;
}

CommPeerTable CCommSocket::PeerTable() const {
  std::lock_guard lock(peerMutex_);
  return peers_;
}

void CCommSocket::BeforeStop() {
  std::lock_guard lock(peerMutex_);
  peers_.armedKey.clear();
}

int CCommSocket::SendCommUpdate(std::string_view kind, const std::string& to) {
  std::string scope;
  {
    std::lock_guard lock(peerMutex_);
    scope = kind == "R" ? peers_.armedKey : peers_.ownKey;
  }
  return SendComm(kind, to, scope);
}

int CCommSocket::SendComm(std::string_view kind, const std::string& to, const std::string& scope) {
  if (!IsOpen()) return 0;
  bool request = kind == "R";
  // A request without a share key would match no folder anywhere: nothing to send.
  if (request && scope.empty()) return 0;
  std::string_view name = request ? kCommUpdateRequest : kCommUpdateAnswer;
  return SendText(BuildCommUpdate(name, Head(scope, OwnAddress())), to, Settings().port, name);
}

bool CCommSocket::DeliveryWanted() const {
  std::lock_guard lock(peerMutex_);
  return !peers_.armedKey.empty() && peers_.requestKind == kCommUpdateRequest;
}

// A new change: the peers are read again and every pass starts over. The lock is let go while
// the tab lists its peers; what happened meanwhile decides afterwards. False when the delivery
// was dropped meanwhile (a stop), which leaves nothing to send.
bool CCommSocket::TakeUpArmedChange(std::unique_lock<std::mutex>& lock) {
  std::uint64_t serial = peers_.armedSerial;
  std::string stamp = peers_.armedStamp;
  lock.unlock();
  clock().pumpWait(kRebuildWaitMilliseconds);
  std::vector<std::string> addresses;
  if (auto tab = tabs_.Enter()) addresses = tab->PeerAddresses();
  lock.lock();
  if (addresses.size() > CommPeerTable::kMaxPeers) addresses.resize(CommPeerTable::kMaxPeers);
  peers_.peers.clear();
  for (std::string& address : addresses) peers_.peers.push_back(CommPeer{std::move(address), 0, false});
  peers_.passNumber = 0;
  // A change armed meanwhile stays armed: the next tick takes it up with a fresh peer list.
  peers_.armed = peers_.armedSerial != serial;
  peers_.processedStamp = stamp;
  peers_.processedSerial = serial;
  peers_.pacing = 2;
  return !peers_.armedKey.empty();
}

int CCommSocket::DeliveryTick() {
  std::unique_lock lock(peerMutex_);
  if (peers_.armed) {
    if (peers_.armedSerial == peers_.processedSerial) return 0;
    if (!TakeUpArmedChange(lock)) return 0;
  }
  if (peers_.pacing <= 0) {
    ++peers_.pacing;
    return 0;
  }
  peers_.pacing = 0;
  return SendPass();
}

// Called with peerMutex_ held.
int CCommSocket::SendPass() {
  int sentThisTick = 0;
  for (CommPeer& peer : peers_.peers) {
    if (sentThisTick == kSendsPerTick) break;
    if (peer.done || peer.sends > peers_.passNumber) continue;
    if (SendComm("R", peer.address, peers_.armedKey) != 0) {
      peers_.armedKey.clear();
      return -1;
    }
    ++peer.sends;
    ++sentThisTick;
    if (peer.sends >= kSendsPerPeer) peer.done = true;
  }
  auto waitingAtPass = [&](const CommPeer& peer) {
    return !peer.done && peer.sends == peers_.passNumber;
  };
  if (std::none_of(peers_.peers.begin(), peers_.peers.end(), waitingAtPass)) {
    peers_.pacing = kPassPause;
    ++peers_.passNumber;
  }
  auto done = [](const CommPeer& peer) { return peer.done; };
  if (std::all_of(peers_.peers.begin(), peers_.peers.end(), done)) peers_.armedKey.clear();
  return 0;
}

void CCommSocket::OnCommUpdateRequest(const std::string& scope, const std::string& from) {
  {
    std::lock_guard lock(peerMutex_);
    if (peers_.ownKey.empty() || scope != peers_.ownKey) return;
  }
  if (SendCommUpdate("A", from) != 0) return;
  if (auto tab = tabs_.Enter()) tab->FlagPeerReload();
}

void CCommSocket::OnCommUpdateAnswer(const std::string& scope, const std::string& from) {
  std::lock_guard lock(peerMutex_);
  if (peers_.ownKey.empty() || scope != peers_.ownKey) return;
  for (CommPeer& peer : peers_.peers) {
    if (peer.address == from) peer.done = true;
  }
}

void CCommSocket::Dispatch(const ParsedDatagram& parsed) {
  if (!parsed.HasMagic() || parsed[kFieldFamily] != kFamilyComm) return;
  if (parsed[kFieldKind] == kCommUpdateRequest) {
    OnCommUpdateRequest(parsed[kFieldScope], parsed[kFieldSender]);
  } else if (parsed[kFieldKind] == kCommUpdateAnswer) {
    OnCommUpdateAnswer(parsed[kFieldScope], parsed[kFieldSender]);
  }
}

bool CCommSocket::SendStep() {
  clock().pumpWait(kSendTickMilliseconds);
  if (TakeSendStop()) return false;
  auto tab = tabs_.Enter();
  if (!tab) return true;
  if (DeliveryWanted()) DeliveryTick();
  if (tab->TakeImmediateCheck()) {
    tab->ApplyPeerUpdate();
  } else if (++tickCount_ % kPendingReloadEvery == 0) {
    tab->ApplyPeerUpdate();
  }
  tab->CacheRecheck();
  return true;
}

}  // namespace qb
