// A Net for tests: scripted host facts, datagrams queued for receiving, every send recorded,
// and any operation made to fail with a chosen error number. It never blocks: a receive with
// nothing queued reports kNetTimedOut at once, so the link loops run on virtual time.
#pragma once
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/net.h"

namespace qb {

struct SentDatagram {
  NetEndpoint to;
  std::string bytes;
};

class FakeNet : public Net {
 public:
  enum class Operation {
    kStartup, kCleanup, kHostName, kHostAddresses, kOpenUdp, kReceiveBufferSize, kSetBroadcast,
    kSetSendBuffer, kSetReceiveBuffer, kBind, kSendTo, kReceiveFrom, kCloseSocket
  };

  FakeNet();

  // Host facts.
  void setHostName(std::string name);
  void setHostAddresses(std::vector<std::uint32_t> addresses);
  // The next `times` calls of `operation` fail with `error` (times -1: every call).
  void failNext(Operation operation, int error, int times = 1);
  // A datagram (or a receive error, when `error` is not 0) for the next receives, in order.
  void queueDatagram(std::string bytes, NetEndpoint from = {0x0A000001, 27089});
  void queueReceiveError(int error);

  std::vector<SentDatagram> sent() const;
  void clearSent();
  int openSockets() const;
  NetEndpoint boundEndpoint() const;
  int broadcastOption() const;
  int sendBufferSize() const;
  int receiveBufferSizeSet() const;
  int startups() const;
  int cleanups() const;

  int startup() override;
  int cleanup() override;
  int hostName(std::string& name) override;
  int hostAddresses(const std::string& hostName, std::vector<std::uint32_t>& addresses) override;
  NetSocket openUdp() override;
  int receiveBufferSize(NetSocket socket, int& bytes) override;
  int setBroadcast(NetSocket socket, bool on) override;
  int setSendBufferSize(NetSocket socket, int bytes) override;
  int setReceiveBufferSize(NetSocket socket, int bytes) override;
  int bind(NetSocket socket, NetEndpoint local) override;
  int sendTo(NetSocket socket, const void* data, std::size_t size, NetEndpoint to) override;
  int receiveFrom(NetSocket socket, void* buffer, std::size_t capacity, NetEndpoint& from,
                  int timeoutMilliseconds) override;
  int closeSocket(NetSocket socket) override;
  int lastError() override;

 private:
  struct Incoming {
    std::string bytes;
    NetEndpoint from;
    int error = 0;
  };
  struct Fault {
    int error = 0;
    int times = 0;
  };

  // True (and the thread's error set) when a fault of `operation` is due.
  bool failing(Operation operation);

  mutable std::mutex mutex_;
  std::string hostName_ = "qbhost";
  std::vector<std::uint32_t> hostAddresses_;
  std::map<Operation, Fault> faults_;
  std::deque<Incoming> incoming_;
  std::vector<SentDatagram> sent_;
  int openSockets_ = 0;
  NetSocket nextSocket_ = 100;
  NetEndpoint bound_;
  int broadcast_ = 0;
  int sendBuffer_ = 0;
  int receiveBuffer_ = 8192;
  int startups_ = 0;
  int cleanups_ = 0;
};

}  // namespace qb
