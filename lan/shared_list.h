// The Shared tab's list: the items of the shared folder shown, with the cache that stands in for
// the folder while it cannot be reached (read-only), the lock every change is made under, and
// the notice of changes to the other computers over the share link.
//
// The window thread runs the user's operations. The share link's threads call RebuildPeerTable
// (PeerAddresses), the reload flag, ApplyPeerUpdate and CacheRecheck; the last two only post
// their work to the window thread, where it waits while a user operation of this tab is open
// (its message boxes dispatch posted work), so the rows are only ever touched by one thread.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_list.h"
#include "history/sequence_counter.h"
#include "lan/comm_socket.h"
#include "lan/shared_files.h"
#include "lan/tab_operations.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

namespace shared_col {
inline constexpr int kLabel = 0;
inline constexpr int kValue = 1;
inline constexpr int kFileName = 3;
inline constexpr int kCreated = 4;
inline constexpr int kUpdated = 5;
inline constexpr int kSize = 7;
inline constexpr int kPreview = 8;   // "実値"
inline constexpr int kDataKind = 9;  // "ﾃﾞｰﾀ種別": "HOZON" or "PLAN"
inline constexpr int kMacros = 10;   // "ﾏｸﾛ保持識別": "1" with macro blocks
inline constexpr int kVersion = 11;  // "互換VL"
inline constexpr int kFlags = 12;    // "属性"
}  // namespace shared_col

class SharedTabHost {
 public:
  virtual ~SharedTabHost() = default;
  // Runs `work` on the window thread soon; the calling thread never waits for it.
  virtual void postToWindowThread(std::function<void()> work) = 0;
  virtual void saveSettings() = 0;
  // The rows changed: redraw them.
  virtual void rowsShown() = 0;
  // The folder shown, its mode or the link state changed: the bar and the colours show it.
  virtual void tabStateChanged() = 0;
  // Whether the main window is on screen (any thread).
  virtual bool mainWindowVisible() = 0;
  // A note shown while a copy into the shared folder runs; an empty text takes it away.
  virtual void showWorkingNote(std::string_view /*text*/) {}
};

struct SharedListParts {
  FileSystem& fs;
  Clock& clock;
  Ui& ui;
  EnvironmentSettings& settings;  // window thread only
  CCommSocket& link;
  SharedTabHost& host;
  std::string dataHome;  // ends in a backslash
};

enum class SharedMode { kNoFolder, kOnline, kCache };

// The context menu of the Shared tab's rows.
MenuModel SharedMenuPattern(const TabMenuContext& context);

class CSharedList : public CTabList, public SharedTabOperations {
 public:
  static constexpr int kMaxFolders = 10;
  static constexpr int kMaxItems = 100;
  static constexpr std::size_t kMaxListedItems = 1000;
  static constexpr std::uint64_t kMaxItemFileBytes = 1100000;
  static constexpr std::uint64_t kRecheckMilliseconds = 600000;
  static constexpr int kReloadIncomplete = 10;
  static constexpr int kPeerReloadTries = 4;

  explicit CSharedList(SharedListParts parts);

  // ---- The folder shown (window thread). ----
  SharedMode mode() const;
  // The folder shown, "" with none.
  std::string shownFolder() const;
  std::string shareKey() const;
  // Hook 43: reads the folder shown, or its cache when the folder cannot be found (with the
  // message when `tellCacheMode`). 0, 10 when an item could not be read yet, -1 on failure.
  int OpenShownFolder(bool tellCacheMode = true);
  // Hook 29: shows selected folder 0-9.
  void ShowFolder(int index);
  // Showing the tab: a folder in cache mode that is back is left at once; an online folder is
  // read again (a peer may have changed it without a notice reaching this computer).
  void OnTabShown();
  // m_DirAdd in two steps around the folder chooser: false (after the message) at 10 folders.
  bool CanAddFolder();
  int AddFolder(const std::string& path);
  // Unselects the folder shown and removes this computer's user file from it.
  int RemoveShownFolder();

  // ---- Items (window thread). ----
  // Hook 69 with its data kind ("HOZON" or "PLAN"). 0, or -1 after the message.
  int AddItem(std::string_view value, std::string_view label, std::string_view dataKind);
  // Hook 68. `forced` also deletes an item someone is changing. 0 deleted, 1 the user said no,
  // 2 the item is being changed (after the message; it may be forced), -1 after a message.
  int m_DellGyo(int row, bool forced);
  // Hook 11: 0 when the row's item may be used, else -1 after the message.
  int checkVersion(int row) override;
  // m_CommFileRead: 0 and the item, or -1 after the message.
  int ReadItem(int row, SharedItem& item);
  // The change: m_UpdateMae marks the file (flag C or D) and gives the item as stored; then
  // FinishChange writes the new label and value and m_UpdateAto takes the mark away again (also
  // alone, when the user cancels). 0, or -1 after the message.
  int m_UpdateMae(int row, SharedItem& item);
  int FinishChange(std::string_view label, std::string_view value);
  int m_UpdateAto();
  // "削除不可設定": flag letter 1 between "A" and "B".
  int ToggleDeleteProtect(int row);
  // Cache mode, no folder, no share key: true after the message.
  bool RefuseChanges();
  bool IsPlanRow(int row) const { return text(row, shared_col::kDataKind) == kDataKindPlan; }

  // ---- The share link's threads. ----
  // RebuildPeerTable: the addresses of the folder's other user files.
  std::vector<std::string> PeerAddresses() override;
  void FlagPeerReload() override { peerCounter_.store(1); }
  bool TakeImmediateCheck() override { return immediateCheck_.exchange(false); }
  void ApplyPeerUpdate() override;
  void CacheRecheck() override;
  void RequestImmediateCheck() { immediateCheck_.store(true); }
  int peerCounter() const { return peerCounter_.load(); }

  // ---- Hooks. ----
  int getValue(int row, std::string& value) override;
  int m_FileAdd(std::string_view value) override { return AddItem(value, " ", kDataKindText); }
  MenuModel loadMenu(const TabMenuContext& context) override;

 private:
  // Marks a user operation of the tab as open (window thread), for the work posted meanwhile.
  class UserOperation {
   public:
    explicit UserOperation(CSharedList& list) : list_(list), was_(list.inUserOperation_) {
      list_.inUserOperation_ = true;
    }
    ~UserOperation() { list_.inUserOperation_ = was_; }
    UserOperation(const UserOperation&) = delete;
    UserOperation& operator=(const UserOperation&) = delete;

   private:
    CSharedList& list_;
    bool was_;
  };
  struct Listed {
    std::string name;
    CommItemName parsed;
    std::uint64_t size = 0;
    DateTime lastWritten;
  };

  std::string ItemFolder() const;  // the folder or, in cache mode, the cache
  std::string CachePath(int index) const;
  int EnsureCacheFolders(const std::string& cache);
  std::vector<Listed> ListItems(const std::string& folder) const;
  // Fills the rows from `folder`; kReloadIncomplete when an item was held by another writer.
  int LoadRows(const std::string& folder);
  TabRow RowFor(const Listed& listed, const SharedItem& item) const;
  void SyncCache(const std::vector<Listed>& items, bool tell);
  void CopyToCache(const std::string& name, bool tell);
  void RemoveFromCache(const std::string& name, bool tell);
  std::optional<FolderRecord> ReadManagement();
  int CreateManagement(const std::string& folder);
  void WriteUserFile();
  std::unique_ptr<ExclusiveFile> LockManagementFile();
  void ArmUpdateNotice();
  // The name the row's item has on disk now, whatever its first flag; nullopt when it is gone.
  std::optional<std::string> CurrentName(int row) const;
  // CurrentName of an item nobody changes now ("A" or "B"); nullopt after the message.
  std::optional<std::string> ChangeableName(int row);
  void ReloadForPeer();
  void EnterCacheMode(bool tell);
  std::string OwnAddress() const;
  std::string PathIn(const std::string& folder, std::string_view name) const;
  int WriteItemFile(const std::string& path, const SharedItem& item, const DateTime& created);
  void ShowRows();

  FileSystem& fs_;
  Clock& clock_;
  Ui& ui_;
  EnvironmentSettings& settings_;
  CCommSocket& link_;
  SharedTabHost& host_;
  std::string dataHome_;

  mutable std::mutex folderMutex_;  // what the link's threads read: folder, mode, record
  std::string folder_;
  std::string cache_;
  SharedMode mode_ = SharedMode::kNoFolder;
  FolderRecord record_;
  std::atomic<bool> retryInCache_{false};
  std::atomic<std::uint64_t> cacheSince_{0};

  std::atomic<int> peerCounter_{0};
  std::atomic<bool> immediateCheck_{false};
  std::atomic<bool> reloadPosted_{false};
  std::atomic<bool> recheckPosted_{false};

  // Window thread.
  bool inUserOperation_ = false;
  SequenceCounter sequence_;
  struct Changing {
    std::string original;
    std::string marked;
    SharedItem item;
  };
  std::optional<Changing> changing_;
};

}  // namespace qb
