// The two LAN links as the program runs them: started in the start-up order when enabled (the
// own address the link chose written back to `MyIp=` / `CommMyIp=`), restarted when their
// settings change, and ended at exit with the end notices and a bounded stop.
#pragma once
#include <optional>
#include <string>

#include "app/settings/environment_settings.h"
#include "lan/comm_socket.h"
#include "lan/open_socket.h"
#include "platform/clock.h"
#include "platform/net.h"

namespace qb {

class COpenList;
class CSharedList;

inline constexpr int kMinLinkPort = 1024;
inline constexpr int kMaxLinkPort = 65535;

// The link settings the program's settings give.
LinkSettings PublishLinkSettings(const EnvironmentSettings& settings);
LinkSettings ShareLinkSettings(const EnvironmentSettings& settings);

class LanController {
 public:
  LanController(Net& net, Clock& clock, EnvironmentSettings& settings);
  ~LanController();

  COpenSocket& publishLink() { return publish_; }
  CCommSocket& shareLink() { return share_; }

  // The tabs the links report to; null detaches (waiting for a call in progress).
  void AttachTabs(COpenList* open, CSharedList* shared);

  // Start-up: the publish link, then the share link, each when enabled. The Open tab joins its
  // group and publishes from the start with `OpenSave=` 1.
  void Start();
  // Adding the first publish group starts the publish link when it was never started.
  void EnsurePublishStarted();
  // After the settings changed: links switched on start, switched off end; a changed own address
  // or port restarts the link (the end notices go out from the old ones); names and the
  // broadcast setting take effect at once.
  void ApplySettings();
  // Exit: the end notices at once, then both stops. False when a link's threads did not end in
  // time; the links (and what their threads reach) must then not be destroyed.
  bool Stop();

  // The LAN publish is running: the tray icon and tip show it.
  bool Publishing() const;

 private:
  void StartPublish();
  void StartShare();
  void EndPublish();
  bool PortRefused(LanLink& link, bool share);

  Clock& clock_;
  EnvironmentSettings& settings_;
  COpenSocket publish_;
  CCommSocket share_;
  COpenList* open_ = nullptr;
  CSharedList* shared_ = nullptr;
};

}  // namespace qb
