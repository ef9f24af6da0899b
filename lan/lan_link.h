// What the publish link and the share link have in common: the UDP socket and its life cycle,
// the local address list, sending a scrambled envelope, the receive loop, the two logs, the
// threads and the stop handshake. COpenSocket and CCommSocket add their messages and dispatch.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "lan/envelope.h"
#include "lan/link_log.h"
#include "lan/receive_accumulator.h"
#include "platform/clock.h"
#include "platform/net.h"

namespace qb {

inline constexpr int kPublishDefaultPort = 27089;
inline constexpr int kShareDefaultPort = 27079;

// The port a link uses: the default one with the port flag 1, else the user's port.
inline int LinkPort(int portFlag, int defaultPort, int userPort) {
  return portFlag == 1 ? defaultPort : userPort;
}

struct LinkSettings {
  int port = 0;
  std::string ownAddress;     // own-address setting; Open writes the selected address back
  bool wideBroadcast = false;  // publish link: OpenBroadCastFlg
  std::string publisherName;   // publish link: Open_MyName
};

class LanLink {
 public:
  static constexpr int kMaxLocalAddresses = 10;
  static constexpr int kSocketBufferBytes = 300000;
  static constexpr int kStartDelayMilliseconds = 1000;
  static constexpr int kReceiveTickMilliseconds = 20;
  static constexpr int kReceiveWaitMilliseconds = 200;
  static constexpr int kStopTickMilliseconds = 100;
  static constexpr int kStopRounds = 20;

  LanLink(Net& net, Clock& clock, LinkSettings settings);
  virtual ~LanLink();
  LanLink(const LanLink&) = delete;
  LanLink& operator=(const LanLink&) = delete;

  // 0, or -1 after logging the failing step; a failed open leaves no socket behind.
  int Open();
  int Close();
  // Address discovery alone (for the settings pages).
  int RefreshAddresses();
  // The receive thread, then the send thread.
  void StartThreads();
  // Open, then the threads on success; the link counts as started either way.
  void Start();
  // The stop handshake in its 20 rounds each way, then at most 20 more rounds for the thread
  // bodies to return; every wait dispatches window messages. True when the threads have ended
  // and the socket is closed; false when a thread is still inside a call, which leaves the link
  // stopping (its threads end at their next step) with the socket open.
  bool Stop();
  // A stop has been asked for; long tab work on the link's threads ends early then.
  bool StopRequested() const { return sendStopRequest_.load() == 1; }
  // The link's threads whose bodies have not returned yet.
  int RunningThreads() const { return runningThreads_.load(); }
  // A new own address or port: the old ones serve the end notices and the wake-up of the next
  // stop (restart), which then forgets them.
  void ChangeSettings(LinkSettings next);
  // New settings for a link that is not open: nothing old to end.
  void ReplaceSettings(LinkSettings next);
  // A start the program refused before opening (a bad port): logged, and the link counts as
  // started, so its status dialog shows why it is not open.
  void RefuseStart(std::string detail, std::string description);
  // The one-byte wake-up to this computer's loopback on the bound port; never leaves it.
  int SendWakeUp();

  // Kind code 1 logs "共通", anything else "送信".
  void LogSend(std::string detail, std::string description, int kindCode);
  void LogReceive(std::string detail, std::string description);
  std::vector<LinkLogEntry> SendLog() const;
  std::vector<LinkLogEntry> ReceiveLog() const;

  bool IsOpen() const { return socketOpen_.load() == 1; }
  bool WasStarted() const { return started_.load(); }
  LinkSettings Settings() const;
  std::string HostName() const;
  std::vector<std::string> LocalAddresses() const;
  std::string OwnAddress() const;  // the selected local address ("" when none)
  std::string PreviousAddress() const;
  int PreviousPort() const;

  // One pass of the receive loop; false when the receive thread ends.
  bool ReceiveStep();
  // One tick of the send thread; false when it ends.
  virtual bool SendStep() = 0;

 protected:
  // A complete message; its sender field holds the address it really came from.
  virtual void Dispatch(const ParsedDatagram& parsed) = 0;
  virtual bool TabAttached() const = 0;
  // First step of a stop (empty the queue, drop a wanted delivery).
  virtual void BeforeStop() = 0;
  // Runs a thread body of the link.
  virtual void LaunchThread(std::function<void()> body);
  // Ends the threads and closes; derived destructors call it while they still exist.
  void Shutdown();

  EnvelopeHead Head(std::string scope, std::string sender);
  std::uint32_t OwnAddressValue() const;
  // Scrambles and sends; 0, or -1 after logging "sendto(NAME) ERROR %d" / "送信エラー".
  int SendText(const std::string& text, std::uint32_t to, int port, std::string_view logName);
  // The same for a dotted destination (a malformed one fails as an unreachable address).
  int SendText(const std::string& text, const std::string& to, int port, std::string_view logName);
  bool TakeSendStop();
  std::string NowText(std::string_view format);
  Clock& clock() { return clock_; }

 private:
  int DiscoverAddresses();
  void AbandonOpen(NetSocket socket);
  void JoinThreads();
  bool AwaitThreadsEnd();
  void Log(LinkLog& log, std::string detail, std::string description, std::string kind);
  void ReceiveThreadMain();
  void SendThreadMain();

  Net& net_;
  Clock& clock_;

  mutable std::mutex stateMutex_;
  LinkSettings settings_;
  std::string hostName_;
  std::vector<std::string> localAddress_;
  std::vector<std::uint32_t> localAddressValue_;
  int selected_ = 0;
  std::string previousAddress_;
  int previousPort_ = 0;
  int boundPort_ = 0;
  bool winsockStarted_ = false;

  std::atomic<NetSocket> socket_{kNoSocket};
  std::atomic<int> socketOpen_{0};
  std::atomic<bool> started_{false};
  std::atomic<int> sendStopRequest_{0};
  std::atomic<int> sendStopped_{0};
  std::atomic<int> receiveStopRequest_{0};
  std::atomic<int> receiveStopped_{0};
  std::atomic<int> runningThreads_{0};

  mutable std::mutex logMutex_;
  LinkLog sendLog_;
  LinkLog receiveLog_;

  ReceiveAccumulator accumulator_;  // receive thread only
  std::uint32_t heldFrom_ = 0;      // receive thread only: the source of the held bytes
  std::string receiveBuffer_;       // receive thread only
  std::vector<std::thread> threads_;
  bool threadsStarted_ = false;
};

}  // namespace qb
