// Real sockets for the wire tests: a clock that really waits, and a "LAN" of links on loopback
// addresses of this computer where each member has its own 127.0.0.x and broadcasts reach all.
#pragma once
#include <ctime>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/date_time.h"
#include "base/pump_wait.h"
#include "platform/clock.h"
#include "platform/net/socket_net.h"

namespace qb::lantest {

class WireClock : public Clock {
 public:
  DateTime localNow() override {
    std::time_t now = std::time(nullptr);
    std::lock_guard lock(mutex_);
    std::tm* local = std::localtime(&now);
    return Normalized(DateTime{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                               local->tm_hour, local->tm_min, local->tm_sec, 0, 0});
  }
  std::uint64_t milliseconds() override {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  }
  void pumpWait(int ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(PumpWaitSteps(ms) * kPumpStepMilliseconds));
  }

 private:
  std::mutex mutex_;
};

// One member of the loopback LAN: the real sockets with its own address. Wine refuses a second
// bind of one port even on another loopback address, so member i really binds port + i and
// datagrams to member i go to port + i: each member still sees one port, as computers would.
class LoopbackMember : public SocketNet {
 public:
  LoopbackMember(std::uint32_t own, std::shared_ptr<std::vector<std::uint32_t>> lan)
      : own_(own), lan_(std::move(lan)) {}

  int hostAddresses(const std::string&, std::vector<std::uint32_t>& addresses) override {
    addresses = {kIpv4Loopback, own_};
    return 0;
  }
  int bind(NetSocket socket, NetEndpoint local) override {
    if (local.address == kIpv4Any) local.address = own_;
    basePort_ = local.port;
    local.port += Offset(local.address);
    return SocketNet::bind(socket, local);
  }
  // Wine reports 127.0.0.1 as the source of every loopback datagram; the sender's port tells
  // which member sent it.
  int receiveFrom(NetSocket socket, void* buffer, std::size_t capacity, NetEndpoint& from,
                  int timeoutMilliseconds) override {
    int received = SocketNet::receiveFrom(socket, buffer, capacity, from, timeoutMilliseconds);
    int member = from.port - basePort_;
    if (received >= 0 && from.address == kIpv4Loopback && member >= 0 &&
        member < static_cast<int>(lan_->size())) {
      from.address = (*lan_)[static_cast<std::size_t>(member)];
    }
    return received;
  }
  int sendTo(NetSocket socket, const void* data, std::size_t size, NetEndpoint to) override {
    if (to.address == kIpv4Loopback) to.address = own_;
    if ((to.address & 0xFFu) != 0xFFu) {
      return SocketNet::sendTo(socket, data, size, {to.address, to.port + Offset(to.address)});
    }
    int sent = -1;
    for (std::uint32_t member : *lan_) {
      sent = SocketNet::sendTo(socket, data, size, {member, to.port + Offset(member)});
    }
    return sent;
  }

 private:
  int Offset(std::uint32_t address) const {
    for (std::size_t i = 0; i < lan_->size(); ++i) {
      if ((*lan_)[i] == address) return static_cast<int>(i);
    }
    return 0;
  }

  std::uint32_t own_;
  std::shared_ptr<std::vector<std::uint32_t>> lan_;
  int basePort_ = 0;
};

// Waits (really) until `done` holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 8000) {
  for (int waited = 0; waited < milliseconds; waited += 20) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return done();
}

// A port per test process, so that parallel runs do not meet.
inline int WirePort(int offset) {
  return 30000 + static_cast<int>(static_cast<unsigned>(std::time(nullptr)) % 2000) * 4 + offset;
}

}  // namespace qb::lantest
