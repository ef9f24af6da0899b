#include "lan/lan_link.h"

#include <cstdio>

#include "base/time_format.h"
#include "lan/ipv4_text.h"
#include "lan/scramble.h"

namespace qb {

namespace {

std::string WithNumber(const char* format, int number) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, number);
  return buffer;
}

std::string WithName(std::string_view name, int number) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "sendto(%.*s) ERROR %d", static_cast<int>(name.size()),
                name.data(), number);
  return buffer;
}

// A message names its sender in field 5, which anyone can forge; the link believes only the
// address the datagram came from. Both must be unicast addresses, and the real one replaces the
// named one, so that every answer and every listed publisher is an address that really sent.
bool AdoptRealSender(ParsedDatagram& parsed, std::uint32_t source) {
  std::uint32_t named = 0;
  if (!ParseIpv4(parsed[kFieldSender], named) || !IsUnicastAddress(named)) return false;
  if (!IsUnicastAddress(source)) return false;
  parsed.fields[kFieldSender] = FormatIpv4(source);
  return true;
}

}  // namespace

LanLink::LanLink(Net& net, Clock& clock, LinkSettings settings)
    : net_(net), clock_(clock), settings_(std::move(settings)) {}

LanLink::~LanLink() { JoinThreads(); }

void LanLink::Shutdown() {
  // The object goes away: threads that did not end in time are waited for without bound here,
  // since they still run its code. The program avoids this by keeping a link that did not stop.
  if ((threadsStarted_ || IsOpen()) && !Stop()) JoinThreads();
}

int LanLink::Open() {
  if (IsOpen()) return 0;
  int error = net_.startup();
  if (error != 0) {
    LogSend(WithNumber("WSAStartup ERROR %d", error), "ソケット開設時エラー", 1);
    return -1;
  }
  {
    std::lock_guard lock(stateMutex_);
    winsockStarted_ = true;
  }
  if (DiscoverAddresses() != 0) {
    AbandonOpen(kNoSocket);
    return -1;
  }
  NetSocket socket = net_.openUdp();
  if (socket == kNoSocket) {
    LogSend(WithNumber("socket ERROR %d", net_.lastError()), "ソケット開設時エラー", 1);
    AbandonOpen(kNoSocket);
    return -1;
  }
  auto failed = [&](int result, const char* detail, const char* description) {
    if (result == 0) return false;
    LogSend(WithNumber(detail, net_.lastError()), description, 1);
    AbandonOpen(socket);
    return true;
  };
  int receiveBytes = 0;
  if (failed(net_.receiveBufferSize(socket, receiveBytes), "getsockopt(1) ERROR %d",
             "ソケットオプション取得エラー") ||
      failed(net_.setBroadcast(socket, true), "getsockopt(2) ERROR %d",
             "ソケットオプション設定エラー") ||
      failed(net_.setSendBufferSize(socket, kSocketBufferBytes), "getsockopt(3) ERROR %d",
             "ソケットオプション設定エラー") ||
      failed(net_.setReceiveBufferSize(socket, kSocketBufferBytes), "getsockopt(4) ERROR %d",
             "ソケットオプション設定エラー")) {
    return -1;
  }
  int port = Settings().port;
  if (failed(net_.bind(socket, NetEndpoint{kIpv4Any, port}), "bind ERROR %d", "バインド設定エラー")) {
    return -1;
  }
  {
    std::lock_guard lock(stateMutex_);
    boundPort_ = port;
  }
  socket_.store(socket);
  socketOpen_.store(1);
  return 0;
}

void LanLink::AbandonOpen(NetSocket socket) {
  if (socket != kNoSocket) net_.closeSocket(socket);
  std::lock_guard lock(stateMutex_);
  if (winsockStarted_) net_.cleanup();
  winsockStarted_ = false;
}

int LanLink::DiscoverAddresses() {
  std::string name;
  if (net_.hostName(name) != 0) {
    LogSend(WithNumber("gethostname ERROR %d", net_.lastError()), "IPアドレス取得エラー", 1);
    return -1;
  }
  std::vector<std::uint32_t> all;
  if (net_.hostAddresses(name, all) != 0) {
    LogSend(WithNumber("gethostbyname ERROR %d", net_.lastError()), "IPアドレス取得エラー", 1);
    return -1;
  }
  std::vector<std::uint32_t> values;
  std::vector<std::string> texts;
  for (std::uint32_t address : all) {
    if (address == kIpv4Loopback) continue;
    if (values.size() == static_cast<std::size_t>(kMaxLocalAddresses)) break;
    values.push_back(address);
    texts.push_back(FormatIpv4(address));
  }
  std::lock_guard lock(stateMutex_);
  hostName_ = name;
  localAddress_ = texts;
  localAddressValue_ = values;
  selected_ = 0;
  if (texts.empty()) {
    std::lock_guard logLock(logMutex_);
    sendLog_.Append({NowText("%m/%d %H:%M:%S"), "IPアドレス0件", "LAN機能が認識できません",
                     LogKindCommon()});
    return -1;
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] == settings_.ownAddress) {
      selected_ = static_cast<int>(i);
      return 0;
    }
  }
  settings_.ownAddress = texts[0];
  return 0;
}

int LanLink::Close() {
  NetSocket socket = socket_.exchange(kNoSocket);
  if (socket != kNoSocket && net_.closeSocket(socket) != 0) {
    LogSend(WithNumber("closesocket ERROR %d", net_.lastError()), "ソケット終了時警告", 1);
  }
  bool stopWinsock = false;
  {
    std::lock_guard lock(stateMutex_);
    stopWinsock = winsockStarted_;
    winsockStarted_ = false;
    selected_ = 0;
    localAddress_.clear();
    localAddressValue_.clear();
  }
  if (stopWinsock) {
    int error = net_.cleanup();
    if (error != 0) LogSend(WithNumber("WSACleanup ERROR %d", error), "ソケット終了時警告", 1);
  }
  socketOpen_.store(0);
  return 0;
}

int LanLink::RefreshAddresses() {
  int error = net_.startup();
  if (error != 0) {
    LogSend(WithNumber("WSAStartup ERROR %d", error), "ソケット開設時エラー", 1);
    return -1;
  }
  int result = DiscoverAddresses();
  net_.cleanup();
  return result;
}

void LanLink::StartThreads() {
  if (threadsStarted_) return;
  // Cleared before the threads exist: a stop asked during their start delay is not lost.
  sendStopRequest_.store(0);
  sendStopped_.store(0);
  receiveStopRequest_.store(0);
  receiveStopped_.store(0);
  threadsStarted_ = true;
  runningThreads_.store(2);
  LaunchThread([this] { ReceiveThreadMain(); });
  LaunchThread([this] { SendThreadMain(); });
}

void LanLink::LaunchThread(std::function<void()> body) { threads_.emplace_back(std::move(body)); }

void LanLink::ReceiveThreadMain() {
  clock_.pumpWait(kStartDelayMilliseconds);
  while (ReceiveStep()) {
  }
  receiveStopped_.store(1);
  runningThreads_.fetch_sub(1);
}

void LanLink::SendThreadMain() {
  clock_.pumpWait(kStartDelayMilliseconds);
  while (SendStep()) {
  }
  sendStopped_.store(1);
  runningThreads_.fetch_sub(1);
}

void LanLink::Start() {
  started_.store(true);
  // Threads of an earlier run that did not end in time are waited for once more.
  if (threadsStarted_ && !Stop()) return;
  if (Open() == 0) StartThreads();
}

bool LanLink::AwaitThreadsEnd() {
  for (int round = 0; round < kStopRounds && runningThreads_.load() > 0; ++round) {
    clock_.pumpWait(kStopTickMilliseconds);
  }
  return runningThreads_.load() == 0;
}

bool LanLink::Stop() {
  BeforeStop();
  sendStopRequest_.store(1);
  receiveStopRequest_.store(1);
  if (threadsStarted_) {
    for (int round = 0; round < kStopRounds && sendStopped_.load() == 0; ++round) {
      clock_.pumpWait(kStopTickMilliseconds);
    }
    SendWakeUp();
    for (int round = 0; round < kStopRounds; ++round) {
      clock_.pumpWait(kStopTickMilliseconds);
      if (receiveStopped_.load() == 1) break;
      SendWakeUp();
    }
    // Joining a thread that is inside a tab call would block the window thread without bound.
    if (!AwaitThreadsEnd()) return false;
  }
  JoinThreads();
  {
    std::lock_guard lock(stateMutex_);
    previousAddress_.clear();
    previousPort_ = 0;
    selected_ = 0;
  }
  Close();
  return true;
}

void LanLink::JoinThreads() {
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
  threads_.clear();
  threadsStarted_ = false;
}

void LanLink::ChangeSettings(LinkSettings next) {
  std::lock_guard lock(stateMutex_);
  if (next.ownAddress != settings_.ownAddress && previousAddress_.empty()) {
    previousAddress_ = settings_.ownAddress;
  }
  if (next.port != settings_.port && previousPort_ == 0) previousPort_ = settings_.port;
  settings_ = std::move(next);
}

void LanLink::ReplaceSettings(LinkSettings next) {
  std::lock_guard lock(stateMutex_);
  settings_ = std::move(next);
}

void LanLink::RefuseStart(std::string detail, std::string description) {
  LogSend(std::move(detail), std::move(description), 1);
  started_.store(true);
}

int LanLink::SendWakeUp() {
  NetSocket socket = socket_.load();
  if (socket == kNoSocket) return 0;
  int port = 0;
  {
    std::lock_guard lock(stateMutex_);
    port = boundPort_;
  }
  int sent = net_.sendTo(socket, kWakeUpDatagram.data(), kWakeUpDatagram.size(),
                         NetEndpoint{kIpv4Loopback, port});
  return sent < 0 ? -1 : 0;
}

bool LanLink::ReceiveStep() {
  clock_.pumpWait(kReceiveTickMilliseconds);
  if (receiveBuffer_.size() != kDatagramCapacity) receiveBuffer_.assign(kDatagramCapacity, '\0');
  NetEndpoint from;
  int received = net_.receiveFrom(socket_.load(), receiveBuffer_.data(), kDatagramCapacity, from,
                                  kReceiveWaitMilliseconds);
  int error = received < 0 ? net_.lastError() : 0;
  if (receiveStopRequest_.load() == 1) {
    receiveStopped_.store(1);
    return false;
  }
  if (!TabAttached()) {
    accumulator_.Clear();
    return true;
  }
  if (received < 0) {
    if (error == kNetTimedOut) return true;
    if (error == kNetConnectionReset) {
      LogReceive(WithNumber("recvfrom ERROR %d", error), "受信警告");
      return true;
    }
    if (error != kNetInterrupted) LogReceive(WithNumber("recvfrom ERROR %d", error), "受信エラー");
    return false;
  }
  if (received == 0) {
    accumulator_.Clear();
    return true;
  }
  // Pieces of one message come from one computer.
  if (accumulator_.heldBytes() > 0 && from.address != heldFrom_) accumulator_.Clear();
  heldFrom_ = from.address;
  ParsedDatagram parsed;
  auto result = accumulator_.Add(std::string_view(receiveBuffer_.data(), received), parsed);
  if (result == ReceiveAccumulator::Result::kNeedMore) return true;
  accumulator_.Clear();
  if (result == ReceiveAccumulator::Result::kComplete && AdoptRealSender(parsed, from.address)) {
    Dispatch(parsed);
  }
  return true;
}

bool LanLink::TakeSendStop() {
  if (sendStopRequest_.load() != 1) return false;
  sendStopped_.store(1);
  return true;
}

EnvelopeHead LanLink::Head(std::string scope, std::string sender) {
  return EnvelopeHead{NowText("%Y%m%d%H%M%S"), std::move(sender), std::move(scope)};
}

std::uint32_t LanLink::OwnAddressValue() const {
  std::lock_guard lock(stateMutex_);
  if (selected_ < 0 || selected_ >= static_cast<int>(localAddressValue_.size())) return 0;
  return localAddressValue_[selected_];
}

int LanLink::SendText(const std::string& text, std::uint32_t to, int port,
                      std::string_view logName) {
  std::string datagram = Scramble(text);
  int sent = -1;
  int error = kNetMessageTooLong;
  if (datagram.size() <= kDatagramCapacity) {
    sent = net_.sendTo(socket_.load(), datagram.data(), datagram.size(), NetEndpoint{to, port});
    if (sent < 0) error = net_.lastError();
  }
  if (sent >= 0) return 0;
  LogSend(WithName(logName, error), "送信エラー", 2);
  return -1;
}

int LanLink::SendText(const std::string& text, const std::string& to, int port,
                      std::string_view logName) {
  std::uint32_t address = 0;
  if (!ParseIpv4(to, address)) {
    LogSend(WithName(logName, kNetAddressUnavailable), "送信エラー", 2);
    return -1;
  }
  return SendText(text, address, port, logName);
}

std::string LanLink::NowText(std::string_view format) { return FormatTime(format, clock_.localNow()); }

void LanLink::Log(LinkLog& log, std::string detail, std::string description, std::string kind) {
  LinkLogEntry entry{NowText("%m/%d %H:%M:%S"), std::move(detail), std::move(description),
                     std::move(kind)};
  std::lock_guard lock(logMutex_);
  log.Append(std::move(entry));
}

void LanLink::LogSend(std::string detail, std::string description, int kindCode) {
  Log(sendLog_, std::move(detail), std::move(description),
      kindCode == 1 ? LogKindCommon() : LogKindSend());
}

void LanLink::LogReceive(std::string detail, std::string description) {
  Log(receiveLog_, std::move(detail), std::move(description), LogKindReceive());
}

std::vector<LinkLogEntry> LanLink::SendLog() const {
  std::lock_guard lock(logMutex_);
  return sendLog_.entries();
}

std::vector<LinkLogEntry> LanLink::ReceiveLog() const {
  std::lock_guard lock(logMutex_);
  return receiveLog_.entries();
}

LinkSettings LanLink::Settings() const {
  std::lock_guard lock(stateMutex_);
  return settings_;
}

std::string LanLink::HostName() const {
  std::lock_guard lock(stateMutex_);
  return hostName_;
}

std::vector<std::string> LanLink::LocalAddresses() const {
  std::lock_guard lock(stateMutex_);
  return localAddress_;
}

std::string LanLink::OwnAddress() const {
  std::lock_guard lock(stateMutex_);
  if (selected_ < 0 || selected_ >= static_cast<int>(localAddress_.size())) return {};
  return localAddress_[selected_];
}

std::string LanLink::PreviousAddress() const {
  std::lock_guard lock(stateMutex_);
  return previousAddress_;
}

int LanLink::PreviousPort() const {
  std::lock_guard lock(stateMutex_);
  return previousPort_;
}

}  // namespace qb
