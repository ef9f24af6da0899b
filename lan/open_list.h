// The Open tab's list: every computer of the publish group with its clipboard text and state.
//
// The publish link calls the tab from its receive thread (incoming OPEN messages) and its send
// thread (queued jobs, idle work); the window thread runs the user's commands and the clipboard
// changes. The publishers live in a PublisherTable under its own lock; the rows the window shows
// are copied from it on the window thread (SyncRows), and every clipboard write of change sync is
// posted to the window thread, so no link thread ever waits for the window.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_list.h"
#include "lan/echo_ring.h"
#include "lan/open_socket.h"
#include "lan/open_tab_host.h"
#include "lan/publisher_table.h"
#include "lan/tab_operations.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

struct OpenListParts {
  COpenSocket& link;
  Clock& clock;
  Ui& ui;
  EnvironmentSettings& settings;  // window thread only
  OpenTabHost& host;
};

class COpenList : public CTabList, public OpenTabOperations {
 public:
  static constexpr int kJoinWaitMilliseconds = 500;
  static constexpr int kIdleTicksPerSecond = 10;
  static constexpr int kProbeEverySeconds = 21;
  static constexpr int kMaxProbes = 12;
  static constexpr int kPacedFromRow = 4;  // the fifth row on waits before each request
  static constexpr int kPaceMilliseconds = 200;
  static constexpr int kAskAgainWaitMilliseconds = 100;

  explicit COpenList(OpenListParts parts);

  const PublisherTable& publishers() const { return table_; }

  // ---- Window thread. ----
  // Copies the publishers into the rows the window shows (sorted again when the user chose an
  // order), keeps the selection on its publisher and stores the sync slots into the settings.
  void SyncRows();
  // Sorts by a sort command of the tab; "登録順" shows the publishers in their table order.
  void SortBy(int command);
  // The sort command in force (kSortByArrival until the user chose another).
  int SortCommand() const;
  // A clipboard text the capture took (`forced`: also an empty one, and also a text change sync
  // just brought in).
  void OnClipboardChanged(const std::string& text, bool forced);
  // The publish button; switching on publishes the clipboard at once, switching off tells the
  // publishers once.
  void TogglePublishing();
  // Start-up with `OpenSave=` 1.
  void StartPublishing();
  bool Publishing() const { return link_.Publishing(); }
  // Hook 39: the group selector chose group 0-9. 0, or -1 (refused, with its message).
  int SwitchGroup(int group);
  // Joins the group of `Open_Group_Idx` (start-up).
  void JoinCurrentGroup();
  // Hook 49 on a row.
  void ToggleSync(int row);
  void ResetSync();
  // Hook 34.
  void MaintenanceProbe();
  // The text of a row for copy, paste, view and store; empty, after a message, when that
  // computer does not publish.
  std::string SelectedText(int row);
  // The publisher's name when `text` is the one change sync put on the clipboard last (History
  // label "公開者：" + name); forgotten then.
  std::optional<std::string> TakePublisherOf(std::string_view text);

  // ---- OpenTabOperations: the link's threads (and the window thread on a restart). ----
  std::string CurrentGroup() override;
  std::string TextToPublish() override;
  void JobTaken() override { idleTicks_.store(0); }
  void PublishRequest(const std::string& text) override;
  void SendEndToAll(const std::string& group) override;
  void IdleWork() override;
  void UpdatePublisher(const ParsedDatagram& fields) override;
  void NoteAnswer(const std::string& address) override;
  void RemovePublisher(const std::string& address) override;
  void RefreshPublishers() override;
  void NoteRequestSent(const std::string& address, const std::string& kind) override;
  void AnnounceEnd(int mode, const std::string& group) override;
  void Join(const std::string& group) override;
  void RefreshList() override;

  // ---- Hooks. ----
  int getValue(int row, std::string& value) override;
  int valueForUse(int row, std::string& value) override;
  MenuModel loadMenu(const TabMenuContext& context) override;

 private:
  // The rows changed: one copy is posted to the window thread however often this is called.
  void RowsChanged();
  void ApplySync(const SyncCandidate& change);
  void Announce(const std::string& text);
  std::string Now();

  COpenSocket& link_;
  Clock& clock_;
  Ui& ui_;
  EnvironmentSettings& settings_;
  OpenTabHost& host_;

  PublisherTable table_;
  std::mutex slotsMutex_;  // taken before the table's lock
  SyncSlots slots_;
  std::atomic<bool> controlMarks_{false};

  mutable std::mutex stateMutex_;
  std::string currentGroup_;
  std::string currentText_;

  std::atomic<bool> rowsPosted_{false};
  // Send thread: idle ticks, seconds with an empty list, check requests made meanwhile.
  std::atomic<int> idleTicks_{0};
  std::atomic<int> emptySeconds_{0};
  std::atomic<int> probes_{0};

  // Window thread.
  bool notPublishingSent_ = false;
  EchoRing echo_;
  std::string syncedText_;
  std::string syncedName_;
  bool userSorted_ = false;
};

}  // namespace qb
