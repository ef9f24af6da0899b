#include "lan/open_socket.h"

#include "lan/ipv4_text.h"

namespace qb {

namespace {

bool IsRequest(std::string_view kind) { return kind == "R"; }

}  // namespace

COpenSocket::COpenSocket(Net& net, Clock& clock, LinkSettings settings)
    : LanLink(net, clock, std::move(settings)) {}

void COpenSocket::AttachTab(OpenTabOperations* tab) {
  if (tab == nullptr) {
    tabs_.Detach(clock());
  } else {
    tabs_.Attach(tab, clock());
  }
}

COpenSocket::~COpenSocket() { Shutdown(); }

std::uint32_t COpenSocket::BroadcastAddress() const {
  if (Settings().wideBroadcast) return kIpv4Broadcast;
  return WithLastOctet255(OwnAddressValue());
}

std::string COpenSocket::PublisherName() const {
  std::string name = Settings().publisherName;
  return name.empty() ? HostName() : name;
}

int COpenSocket::SendCheckRequest(const std::string& group) {
  if (!IsOpen()) return 0;
  std::string text = BuildOpenNotice(kOpenCheckRequest, Head(group, OwnAddress()));
  return SendText(text, BroadcastAddress(), Settings().port, "CHECK_R");
}

int COpenSocket::SendCheckAnswer(const std::string& group, const std::string& to) {
  if (!IsOpen()) return 0;
  std::string text = BuildOpenNotice(kOpenCheckAnswer, Head(group, OwnAddress()));
  return SendText(text, to, Settings().port, "CHECK_A");
}

int COpenSocket::SendInfo(std::string_view kind, const std::string& to, const std::string& text) {
  if (!IsOpen()) return 0;
  bool request = IsRequest(kind);
  auto tab = tabs_.Enter();
  std::string group = tab ? tab->CurrentGroup() : std::string();
  bool publishing = Publishing();
  std::string published = publishing ? CutPublishedText(text) : NotPublishedText();
  std::string envelope =
      BuildOpenInfo(request ? kOpenInfoRequest : kOpenInfoAnswer, Head(group, OwnAddress()),
                    PublisherName(), publishing, published);
  int result = SendText(envelope, to, Settings().port, request ? "OPEN_INFO_R" : "OPEN_INFO_A");
  if (result == 0 && request && tab) {
    tab->NoteRequestSent(to, std::string(kOpenInfoRequest));
  }
  return result;
}

int COpenSocket::SendEnd(const std::string& to, const std::string& group) {
  if (!IsOpen()) return 0;
  std::string sender = PreviousAddress();
  if (sender.empty()) sender = OwnAddress();
  int port = PreviousPort() != 0 ? PreviousPort() : Settings().port;
  return SendText(BuildOpenNotice(kOpenEndNotice, Head(group, sender)), to, port, "OPEN_END");
}

int COpenSocket::SendMaintenance(std::string_view kind, const std::string& to) {
  if (!IsOpen()) return 0;
  int port = Settings().port;
  if (IsRequest(kind)) {
    std::string text = BuildMainte(kMainteAllIpRequest, Head({}, OwnAddress()));
    return SendText(text, kIpv4Broadcast, port, "MAINTE_ALLIP_R");
  }
  std::string text = BuildMainte(kMainteAllIpAnswer, Head({}, OwnAddress()));
  return SendText(text, to, port, "MAINTE_ALLIP_A");
}

int COpenSocket::Enqueue(const std::string& kind, const std::string& parameter1,
                         const std::string& parameter2) {
  if (queue_.Enqueue(kind, NowText("%H%M%S"), parameter1, parameter2)) return 0;
  LogSend("公開送信受渡バッファ溢れ", "バッファエラー", 2);
  return -1;
}

bool COpenSocket::SendStep() {
  clock().pumpWait(kSendTickMilliseconds);
  if (TakeSendStop()) return false;
  auto tab = tabs_.Enter();
  if (!tab) return true;
  OpenSendJob job;
  if (!queue_.Dequeue(job)) {
    tab->IdleWork();
    return true;
  }
  tab->JobTaken();
  if (job.kind == kOpenCheckRequest) {
    SendCheckRequest(job.parameter1);
  } else if (job.kind == kOpenInfoRequest) {
    tab->PublishRequest(job.parameter2);
  } else if (job.kind == kOpenEndNotice) {
    tab->SendEndToAll(job.parameter1);
  } else if (job.kind == kMainteAllIpRequest) {
    SendMaintenance("R", {});
  }
  return true;
}

void COpenSocket::Dispatch(const ParsedDatagram& parsed) {
  auto tab = tabs_.Enter();
  if (!tab || !parsed.HasMagic()) return;
  if (parsed[kFieldFamily] == kFamilyOpen) {
    DispatchOpen(parsed, *tab);
  } else if (parsed[kFieldFamily] == kFamilyMainte) {
    DispatchMainte(parsed);
  }
}

void COpenSocket::DispatchOpen(const ParsedDatagram& parsed, OpenTabOperations& tab) {
  const std::string& scope = parsed[kFieldScope];
  std::string group = tab.CurrentGroup();
  if (scope.empty() || scope != group) return;
  const std::string& kind = parsed[kFieldKind];
  const std::string& sender = parsed[kFieldSender];
  bool info = kind == kOpenInfoRequest || kind == kOpenInfoAnswer;
  if (info && OpenInfoLastField(parsed) < 0) return;
  if (kind == kOpenCheckRequest) {
    SendCheckAnswer(group, sender);
  } else if (kind == kOpenCheckAnswer) {
    SendInfo("R", sender, tab.TextToPublish());
  } else if (info) {
    tab.UpdatePublisher(parsed);
    tab.NoteAnswer(sender);
    if (kind == kOpenInfoRequest) SendInfo("A", sender, tab.TextToPublish());
  } else if (kind == kOpenEndNotice) {
    tab.RemovePublisher(sender);
  } else {
    return;
  }
  tab.RefreshPublishers();
}

void COpenSocket::DispatchMainte(const ParsedDatagram& parsed) {
  const std::string& kind = parsed[kFieldKind];
  if (kind == kMainteAllIpRequest) {
    SendMaintenance("A", parsed[kFieldSender]);
  } else if (kind == kMainteAllIpAnswer) {
    LogReceive(parsed[kFieldSender], "メンテナンス情報(ALL_IP)");
  }
}

void COpenSocket::Restart(int groupCount) {
  if (groupCount < 1) return;
  restarting_.store(true);
  auto tab = tabs_.Enter();
  std::string group = tab ? tab->CurrentGroup() : std::string();
  // At once, not queued: the stop empties the queue.
  if (IsOpen() && tab) tab->AnnounceEnd(0, group);
  Stop();
  Start();
  if (IsOpen() && tab) tab->Join(group);
  if (tab) tab->RefreshList();
  clock().pumpWait(kRestartSettleMilliseconds);
  restarting_.store(false);
}

}  // namespace qb
