#include "lan/lan_controller.h"

#include "lan/open_list.h"
#include "lan/shared_list.h"

namespace qb {

namespace {

constexpr const char* kPortRange = "ポート番号は1024～65535の範囲で指定してください";
constexpr const char* kSamePort =
    "ポート番号が公開機能と共有機能で同じ値が指定されています。　\n別々の値を指定してください。";

bool PortInRange(int port) { return port >= kMinLinkPort && port <= kMaxLinkPort; }

}  // namespace

LinkSettings PublishLinkSettings(const EnvironmentSettings& settings) {
  return LinkSettings{LinkPort(settings.Lan_Port_Flg, kPublishDefaultPort, settings.Lan_UserPort),
                      settings.MyIp, settings.OpenBroadCastFlg == 1, settings.Open_MyName};
}

LinkSettings ShareLinkSettings(const EnvironmentSettings& settings) {
  return LinkSettings{
      LinkPort(settings.CommLan_Port_Flg, kShareDefaultPort, settings.CommLan_UserPort),
      settings.CommMyIp, false, ""};
}

LanController::LanController(Net& net, Clock& clock, EnvironmentSettings& settings)
    : clock_(clock),
      settings_(settings),
      publish_(net, clock, PublishLinkSettings(settings)),
      share_(net, clock, ShareLinkSettings(settings)) {}

LanController::~LanController() { AttachTabs(nullptr, nullptr); }

void LanController::AttachTabs(COpenList* open, CSharedList* shared) {
  publish_.AttachTab(open);
  share_.AttachTab(shared);
  open_ = open;
  shared_ = shared;
}

bool LanController::PortRefused(LanLink& link, bool share) {
  int port = link.Settings().port;
  if (!PortInRange(port)) {
    link.RefuseStart("ポート番号 " + std::to_string(port), kPortRange);
    return true;
  }
  if (share && settings_.Open_Enable == 1 && port == publish_.Settings().port) {
    link.RefuseStart("ポート番号 " + std::to_string(port), kSamePort);
    return true;
  }
  return false;
}

void LanController::StartPublish() {
  publish_.ReplaceSettings(PublishLinkSettings(settings_));
  if (PortRefused(publish_, false)) return;
  publish_.Start();
  if (!publish_.Settings().ownAddress.empty()) settings_.MyIp = publish_.Settings().ownAddress;
  if (!publish_.IsOpen() || open_ == nullptr) return;
  open_->JoinCurrentGroup();
  if (settings_.OpenSave == 1) open_->StartPublishing();
}

void LanController::StartShare() {
  share_.ReplaceSettings(ShareLinkSettings(settings_));
  if (PortRefused(share_, true)) return;
  share_.Start();
  if (!share_.Settings().ownAddress.empty()) settings_.CommMyIp = share_.Settings().ownAddress;
}

void LanController::Start() {
  if (settings_.Open_Enable == 1) StartPublish();
  if (settings_.Common_Enable == 1) StartShare();
  if (shared_ != nullptr) shared_->OpenShownFolder();
}

void LanController::EnsurePublishStarted() {
  if (!publish_.WasStarted() && settings_.Open_Enable == 1) StartPublish();
}

void LanController::EndPublish() {
  if (publish_.IsOpen() && open_ != nullptr) open_->AnnounceEnd(0, open_->CurrentGroup());
  publish_.Stop();
}

void LanController::ApplySettings() {
  LinkSettings next = PublishLinkSettings(settings_);
  LinkSettings now = publish_.Settings();
  if (settings_.Open_Enable != 1) {
    if (publish_.IsOpen()) EndPublish();
  } else if (!publish_.IsOpen()) {
    StartPublish();
  } else if (next.port != now.port || next.ownAddress != now.ownAddress) {
    publish_.ChangeSettings(next);
    if (settings_.Open_Group_Cnt >= 1) {
      publish_.Restart(settings_.Open_Group_Cnt);
    } else {
      // Without a group nobody is told; the new port or address still takes effect.
      publish_.Stop();
      publish_.Start();
    }
    if (!publish_.Settings().ownAddress.empty()) settings_.MyIp = publish_.Settings().ownAddress;
  } else {
    publish_.ReplaceSettings(next);
  }

  LinkSettings nextShare = ShareLinkSettings(settings_);
  LinkSettings nowShare = share_.Settings();
  if (settings_.Common_Enable != 1) {
    if (share_.IsOpen()) share_.Stop();
  } else if (!share_.IsOpen() || nextShare.port != nowShare.port ||
             nextShare.ownAddress != nowShare.ownAddress) {
    share_.Stop();
    StartShare();
  }
  if (shared_ != nullptr) shared_->OpenShownFolder(false);
}

bool LanController::Stop() {
  if (publish_.IsOpen() && open_ != nullptr) open_->AnnounceEnd(0, open_->CurrentGroup());
  bool publishEnded = publish_.Stop();
  bool shareEnded = share_.Stop();
  if (!publishEnded || !shareEnded) return false;
  AttachTabs(nullptr, nullptr);
  return true;
}

bool LanController::Publishing() const { return publish_.IsOpen() && publish_.Publishing(); }

}  // namespace qb
