#include "platform/net/fake_net.h"

#include <algorithm>
#include <cstring>

namespace qb {

namespace {
thread_local int tFakeError = 0;
}

FakeNet::FakeNet() : hostAddresses_{0xC0A8000A} {}

void FakeNet::setHostName(std::string name) {
  std::lock_guard lock(mutex_);
  hostName_ = std::move(name);
}

void FakeNet::setHostAddresses(std::vector<std::uint32_t> addresses) {
  std::lock_guard lock(mutex_);
  hostAddresses_ = std::move(addresses);
}

void FakeNet::failNext(Operation operation, int error, int times) {
  std::lock_guard lock(mutex_);
  faults_[operation] = Fault{error, times};
}

void FakeNet::queueDatagram(std::string bytes, NetEndpoint from) {
  std::lock_guard lock(mutex_);
  incoming_.push_back(Incoming{std::move(bytes), from, 0});
}

void FakeNet::queueReceiveError(int error) {
  std::lock_guard lock(mutex_);
  incoming_.push_back(Incoming{{}, {}, error});
}

std::vector<SentDatagram> FakeNet::sent() const {
  std::lock_guard lock(mutex_);
  return sent_;
}

void FakeNet::clearSent() {
  std::lock_guard lock(mutex_);
  sent_.clear();
}

int FakeNet::openSockets() const {
  std::lock_guard lock(mutex_);
  return openSockets_;
}

NetEndpoint FakeNet::boundEndpoint() const {
  std::lock_guard lock(mutex_);
  return bound_;
}

int FakeNet::broadcastOption() const {
  std::lock_guard lock(mutex_);
  return broadcast_;
}

int FakeNet::sendBufferSize() const {
  std::lock_guard lock(mutex_);
  return sendBuffer_;
}

int FakeNet::receiveBufferSizeSet() const {
  std::lock_guard lock(mutex_);
  return receiveBuffer_;
}

int FakeNet::startups() const {
  std::lock_guard lock(mutex_);
  return startups_;
}

int FakeNet::cleanups() const {
  std::lock_guard lock(mutex_);
  return cleanups_;
}

bool FakeNet::failing(Operation operation) {
  auto found = faults_.find(operation);
  if (found == faults_.end() || found->second.times == 0) return false;
  tFakeError = found->second.error;
  if (found->second.times > 0) --found->second.times;
  return true;
}

int FakeNet::startup() {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kStartup)) return tFakeError;
  ++startups_;
  return 0;
}

int FakeNet::cleanup() {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kCleanup)) return tFakeError;
  ++cleanups_;
  return 0;
}

int FakeNet::hostName(std::string& name) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kHostName)) return -1;
  name = hostName_;
  return 0;
}

int FakeNet::hostAddresses(const std::string&, std::vector<std::uint32_t>& addresses) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kHostAddresses)) return -1;
  addresses = hostAddresses_;
  return 0;
}

NetSocket FakeNet::openUdp() {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kOpenUdp)) return kNoSocket;
  ++openSockets_;
  return nextSocket_++;
}

int FakeNet::receiveBufferSize(NetSocket, int& bytes) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kReceiveBufferSize)) return -1;
  bytes = receiveBuffer_;
  return 0;
}

int FakeNet::setBroadcast(NetSocket, bool on) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kSetBroadcast)) return -1;
  broadcast_ = on ? 1 : 0;
  return 0;
}

int FakeNet::setSendBufferSize(NetSocket, int bytes) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kSetSendBuffer)) return -1;
  sendBuffer_ = bytes;
  return 0;
}

int FakeNet::setReceiveBufferSize(NetSocket, int bytes) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kSetReceiveBuffer)) return -1;
  receiveBuffer_ = bytes;
  return 0;
}

int FakeNet::bind(NetSocket, NetEndpoint local) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kBind)) return -1;
  bound_ = local;
  return 0;
}

int FakeNet::sendTo(NetSocket, const void* data, std::size_t size, NetEndpoint to) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kSendTo)) return -1;
  sent_.push_back(SentDatagram{to, std::string(static_cast<const char*>(data), size)});
  return static_cast<int>(size);
}

int FakeNet::receiveFrom(NetSocket, void* buffer, std::size_t capacity, NetEndpoint& from, int) {
  std::lock_guard lock(mutex_);
  from = {};
  if (failing(Operation::kReceiveFrom)) return -1;
  if (incoming_.empty()) {
    tFakeError = kNetTimedOut;
    return -1;
  }
  Incoming next = std::move(incoming_.front());
  incoming_.pop_front();
  if (next.error != 0) {
    tFakeError = next.error;
    return -1;
  }
  std::size_t length = std::min(capacity, next.bytes.size());
  if (length > 0) std::memcpy(buffer, next.bytes.data(), length);
  from = next.from;
  return static_cast<int>(length);
}

int FakeNet::closeSocket(NetSocket) {
  std::lock_guard lock(mutex_);
  if (failing(Operation::kCloseSocket)) return -1;
  if (openSockets_ > 0) --openSockets_;
  return 0;
}

int FakeNet::lastError() { return tFakeError; }

}  // namespace qb
