// Recording tabs and datagram helpers for the LAN link tests.
#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "lan/envelope.h"
#include "lan/open_socket.h"
#include "lan/scramble.h"
#include "lan/tab_operations.h"

namespace qb::lantest {

inline std::uint32_t Ip(int a, int b, int c, int d) {
  return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(b) << 16) |
         (static_cast<std::uint32_t>(c) << 8) | static_cast<std::uint32_t>(d);
}

inline EnvelopeHead HeadFrom(std::string sender, std::string scope) {
  return EnvelopeHead{"20070102030405", std::move(sender), std::move(scope)};
}

// A publish link whose threads never run: the tests call its steps themselves.
class HeldThreadsLink : public COpenSocket {
 public:
  using COpenSocket::COpenSocket;
  std::vector<std::function<void()>> bodies;

 protected:
  void LaunchThread(std::function<void()> body) override { bodies.push_back(std::move(body)); }
};

// A recording Open tab; every call is kept as "Name(args)".
class RecordingOpenTab : public OpenTabOperations {
 public:
  std::string group = "G1";
  std::string text = "clip";

  std::vector<std::string> calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  std::vector<std::string> updatedTexts() {
    std::lock_guard lock(mutex_);
    return updatedTexts_;
  }
  bool Saw(const std::string& call) {
    std::lock_guard lock(mutex_);
    for (const auto& c : calls_) if (c == call) return true;
    return false;
  }

  std::string CurrentGroup() override { return group; }
  std::string TextToPublish() override { return text; }
  void JobTaken() override { Record("JobTaken"); }
  void PublishRequest(const std::string& t) override { Record("PublishRequest(" + t + ")"); }
  void SendEndToAll(const std::string& g) override { Record("SendEndToAll(" + g + ")"); }
  void IdleWork() override { Record("IdleWork"); }
  void UpdatePublisher(const ParsedDatagram& fields) override {
    std::lock_guard lock(mutex_);
    calls_.push_back("UpdatePublisher(" + fields[kFieldSender] + ")");
    updatedTexts_.push_back(PublishedTextOf(fields));
  }
  void NoteAnswer(const std::string& a) override { Record("NoteAnswer(" + a + ")"); }
  void RemovePublisher(const std::string& a) override { Record("RemovePublisher(" + a + ")"); }
  void RefreshPublishers() override { Record("RefreshPublishers"); }
  void NoteRequestSent(const std::string& a, const std::string& k) override {
    Record("NoteRequestSent(" + a + "," + k + ")");
  }
  void AnnounceEnd(int mode, const std::string& g) override {
    Record("AnnounceEnd(" + std::to_string(mode) + "," + g + ")");
  }
  void Join(const std::string& g) override { Record("Join(" + g + ")"); }
  void RefreshList() override { Record("RefreshList"); }

 private:
  void Record(std::string call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }
  std::mutex mutex_;
  std::vector<std::string> calls_;
  std::vector<std::string> updatedTexts_;
};

class RecordingSharedTab : public SharedTabOperations {
 public:
  std::vector<std::string> peers;
  int reloadFlags = 0;
  int applied = 0;
  int rechecks = 0;
  bool immediate = false;

  std::vector<std::string> PeerAddresses() override { return peers; }
  void FlagPeerReload() override { ++reloadFlags; }
  bool TakeImmediateCheck() override {
    bool was = immediate;
    immediate = false;
    return was;
  }
  void ApplyPeerUpdate() override { ++applied; }
  void CacheRecheck() override { ++rechecks; }
};

}  // namespace qb::lantest
