#include "lan/shared_list.h"

#include <algorithm>

#include "base/byte_shift.h"
#include "base/preview.h"
#include "base/records.h"
#include "base/sjis.h"
#include "base/time_format.h"
#include "history/file_helpers.h"
#include "macros/macro_analyzer.h"

namespace qb {

namespace {

// The plan text of a plan record: its sixth field, to the end.
std::string PlanTextOf(const std::string& record) {
  std::vector<std::string> fields = SplitFields(record, 6);
  return fields.size() == 6 ? fields[5] : std::string();
}

}  // namespace

CSharedList::CSharedList(SharedListParts parts)
    : CTabList(TabKind::kShared),
      fs_(parts.fs),
      clock_(parts.clock),
      ui_(parts.ui),
      settings_(parts.settings),
      link_(parts.link),
      host_(parts.host),
      dataHome_(std::move(parts.dataHome)) {
  setDefaultDirection(shared_col::kCreated, 0);
  setInitialSortColumn(shared_col::kCreated);
}

SharedMode CSharedList::mode() const {
  std::lock_guard lock(folderMutex_);
  return mode_;
}

std::string CSharedList::shownFolder() const {
  std::lock_guard lock(folderMutex_);
  return folder_;
}

std::string CSharedList::shareKey() const {
  std::lock_guard lock(folderMutex_);
  return record_.shareKey();
}

std::string CSharedList::PathIn(const std::string& folder, std::string_view name) const {
  bool hasBackslash = !folder.empty() && folder.back() == '\\' &&
                      !IsSjisTrailPosition(folder, folder.size() - 1);
  return folder + (hasBackslash ? "" : "\\") + std::string(name);
}

std::string CSharedList::CachePath(int index) const {
  return dataHome_ + "cashdir\\cashdir" +
         std::to_string(settings_.Common_CashDirNo[static_cast<std::size_t>(index)]);
}

std::string CSharedList::ItemFolder() const {
  std::lock_guard lock(folderMutex_);
  return mode_ == SharedMode::kCache ? cache_ : folder_;
}

std::string CSharedList::OwnAddress() const {
  std::string own = link_.OwnAddress();
  return own.empty() ? link_.Settings().ownAddress : own;
}

void CSharedList::ShowRows() {
  sortAgain();
  host_.rowsShown();
}

// ---- Opening the folder shown. ----

int CSharedList::EnsureCacheFolders(const std::string& cache) {
  std::string parent = dataHome_ + "cashdir";
  if (!PathExists(fs_, parent) && fs_.createFolder(parent)) {
    ui_.showMessage("ｷｬｯｼｭ用ﾌｫﾙﾀﾞの作成に失敗しました（親ﾌｫﾙﾀﾞ）", MessageIcon::kStop);
    return -1;
  }
  if (!PathExists(fs_, cache) && fs_.createFolder(cache)) {
    ui_.showMessage("ｷｬｯｼｭ用ﾌｫﾙﾀﾞの作成に失敗しました（子ﾌｫﾙﾀﾞ）", MessageIcon::kStop);
    return -1;
  }
  return 0;
}

int CSharedList::OpenShownFolder(bool tellCacheMode) {
  UserOperation operation(*this);
  int count = std::min(settings_.Common_Cnt, kMaxFolders);
  int index = settings_.Common_Idx;
  retryInCache_.store(settings_.CommCashRetrai_Flg == 1);
  removeAllRows();
  if (settings_.Common_Enable != 1 || count < 1 || index < 0 || index >= count) {
    {
      std::lock_guard lock(folderMutex_);
      folder_.clear();
      cache_.clear();
      mode_ = SharedMode::kNoFolder;
      record_ = {};
    }
    link_.SetOwnShareKey("");
    host_.rowsShown();
    host_.tabStateChanged();
    return 0;
  }
  std::string folder = settings_.Common_Pass[static_cast<std::size_t>(index)];
  std::string cache = CachePath(index);
  {
    std::lock_guard lock(folderMutex_);
    folder_ = folder;
    cache_ = cache;
  }
  int result = EnsureCacheFolders(cache);
  if (result != 0) return result;
  if (!PathExists(fs_, folder)) {
    EnterCacheMode(tellCacheMode);
    return 0;
  }
  std::optional<FolderRecord> record = ReadManagement();
  if (!record && CreateManagement(folder) == 0) record = ReadManagement();
  {
    std::lock_guard lock(folderMutex_);
    mode_ = SharedMode::kOnline;
    record_ = record.value_or(FolderRecord{});
  }
  link_.SetOwnShareKey(record ? record->shareKey() : std::string());
  WriteUserFile();
  result = LoadRows(folder);
  SyncCache(ListItems(folder), tellCacheMode);
  ShowRows();
  host_.tabStateChanged();
  return result;
}

void CSharedList::EnterCacheMode(bool tell) {
  {
    std::lock_guard lock(folderMutex_);
    mode_ = SharedMode::kCache;
  }
  cacheSince_.store(clock_.milliseconds());
  link_.SetOwnShareKey("");
  if (tell) {
    ui_.showMessage("共有されているフォルダが見つかりません \n前回のキャッシュを使用します　",
                    MessageIcon::kExclamation);
  }
  LoadRows(ItemFolder());
  ShowRows();
  host_.tabStateChanged();
}

void CSharedList::ShowFolder(int index) {
  if (index < 0 || index >= std::min(settings_.Common_Cnt, kMaxFolders)) return;
  settings_.Common_Idx = index;
  host_.saveSettings();
  OpenShownFolder();
}

void CSharedList::OnTabShown() {
  SharedMode now = mode();
  if (now == SharedMode::kCache) {
    if (PathExists(fs_, shownFolder())) OpenShownFolder(false);
  } else if (now == SharedMode::kOnline) {
    OpenShownFolder(true);
  }
}

std::optional<FolderRecord> CSharedList::ReadManagement() {
  FileResult<std::string> read = fs_.readWhole(PathIn(shownFolder(), kManagementFileName));
  if (!read.ok()) return std::nullopt;
  return ParseManagementFile(ShiftBytesDown(*read.value));
}

int CSharedList::CreateManagement(const std::string& folder) {
  std::string key = MakeShareKey(clock_.localNow(), clock_.milliseconds());
  if (fs_.writeNew(PathIn(folder, kManagementFileName), ShiftBytesUp(ManagementFileText(key)))) {
    return -1;
  }
  return 0;
}

void CSharedList::WriteUserFile() {
  std::string own = OwnAddress();
  std::string folder = shownFolder();
  if (own.empty() || folder.empty()) return;
  std::string path = PathIn(folder, UserFileName(own));
  std::string content = ShiftBytesUp(UserFileText(own));
  FileResult<std::string> now = fs_.readWhole(path);
  if (now.ok() && *now.value == content) return;
  fs_.writeNew(path, content);
}

std::vector<CSharedList::Listed> CSharedList::ListItems(const std::string& folder) const {
  std::vector<Listed> items;
  if (folder.empty()) return items;
  for (const FileEntry& entry : fs_.list(PathIn(folder, kItemWildcard))) {
    if (entry.isFolder) continue;
    std::optional<CommItemName> parsed = ParseCommItemName(entry.name);
    if (!parsed) continue;
    items.push_back(Listed{entry.name, *parsed, entry.size, entry.lastWritten});
    if (items.size() == kMaxListedItems) break;
  }
  return items;
}

TabRow CSharedList::RowFor(const Listed& listed, const SharedItem& item) const {
  TabRow row;
  row.columns.resize(static_cast<std::size_t>(columnCount()));
  std::string incompatible = IncompatibilityMessage(item);
  std::string preview = MakePreview(item.isPlan() ? PlanTextOf(item.value) : item.value);
  std::string shown = preview;
  if (!item.isText() && !item.isPlan()) {
    shown = "【データ種別不明!!】\r\n（上位バージョンでの追加機能の可能性があります）";
  } else if (!incompatible.empty()) {
    shown = "【バージョン非互換データ!!】";
  }
  if (settings_.KaigyoTabDsp == 1) {
    std::string dotted;
    for (char c : shown) dotted += (c == '\r' || c == '\n' || c == '\t') ? std::string("･") : std::string(1, c);
    shown = std::move(dotted);
  }
  auto& c = row.columns;
  c[shared_col::kLabel] = item.label;
  c[shared_col::kValue] = shown;
  c[shared_col::kFileName] = listed.name;
  c[shared_col::kCreated] = listed.parsed.stamp + listed.parsed.sequence;
  c[shared_col::kUpdated] = TimeStamp14(listed.lastWritten) + listed.parsed.sequence;
  char size[16];
  std::snprintf(size, sizeof size, "%08zu", item.value.size());
  c[shared_col::kSize] = size;
  c[shared_col::kPreview] = preview;
  c[shared_col::kDataKind] = item.isPlan() ? std::string(kDataKindPlan)
                                           : item.isText() ? std::string(kDataKindText) : item.kind;
  c[shared_col::kMacros] = item.isText() && item.version == kFormatVersionMacros ? "1" : "0";
  c[shared_col::kVersion] = item.version;
  c[shared_col::kFlags] = listed.parsed.flags;
  return row;
}

int CSharedList::LoadRows(const std::string& folder) {
  removeAllRows();
  int result = 0;
  for (const Listed& listed : ListItems(folder)) {
    if (listed.size > kMaxItemFileBytes) continue;
    FileResult<std::string> read = fs_.readWhole(PathIn(folder, listed.name));
    if (!read.ok()) {
      if (read.error.cause == FileCause::kSharingViolation) result = kReloadIncomplete;
      continue;
    }
    insertRow(rowCount(), RowFor(listed, ParseItemRecord(ShiftBytesDown(*read.value))));
  }
  return result;
}

// ---- The cache. ----

void CSharedList::SyncCache(const std::vector<Listed>& items, bool tell) {
  std::string cache;
  {
    std::lock_guard lock(folderMutex_);
    if (mode_ != SharedMode::kOnline) return;
    cache = cache_;
  }
  std::vector<Listed> cached = ListItems(cache);
  for (const Listed& item : items) {
    auto same = std::find_if(cached.begin(), cached.end(), [&](const Listed& c) {
      return c.name == item.name && c.size == item.size && c.lastWritten == item.lastWritten;
    });
    if (same == cached.end()) CopyToCache(item.name, tell);
  }
  for (const Listed& old : cached) {
    bool kept = std::any_of(items.begin(), items.end(), [&](const Listed& i) { return i.name == old.name; });
    if (!kept) RemoveFromCache(old.name, tell);
  }
}

void CSharedList::CopyToCache(const std::string& name, bool tell) {
  std::string folder, cache;
  {
    std::lock_guard lock(folderMutex_);
    folder = folder_;
    cache = cache_;
  }
  FileResult<std::string> read = fs_.readWhole(PathIn(folder, name));
  if (!read.ok()) {
    if (tell) ui_.showMessage("この値の実体（ファイル）が存在しません(m_CashFileAdd)：" + name, MessageIcon::kStop);
    return;
  }
  FileResult<FileTimes> times = fs_.times(PathIn(folder, name));
  std::string target = PathIn(cache, name);
  if (fs_.writeNew(target, *read.value) ||
      (times.ok() && fs_.setTimes(target, times.value->created, times.value->lastWritten))) {
    if (tell) ui_.showMessage("ﾌｧｲﾙの属性変更に失敗しました(m_CashFileAdd)：" + name, MessageIcon::kStop);
  }
}

void CSharedList::RemoveFromCache(const std::string& name, bool tell) {
  std::string cache;
  {
    std::lock_guard lock(folderMutex_);
    cache = cache_;
  }
  FileFailure failed = fs_.remove(PathIn(cache, name));
  if (failed && failed->cause != FileCause::kFileNotFound && tell) {
    ui_.showMessage("ｷｬｯｼｭﾌｧｲﾙの削除に失敗しました(m_CashFileDell)：" + name, MessageIcon::kStop);
  }
}

// ---- Selecting folders. ----

bool CSharedList::CanAddFolder() {
  if (settings_.Common_Cnt >= kMaxFolders) {
    ui_.showMessage("共有フォルダの選択は最大数に達しています", MessageIcon::kExclamation);
    return false;
  }
  return true;
}

int CSharedList::AddFolder(const std::string& chosen) {
  std::string path = chosen;
  if (path.size() > 3 && path.back() == '\\' && !IsSjisTrailPosition(path, path.size() - 1)) {
    path.pop_back();
  }
  int count = std::max(0, std::min(settings_.Common_Cnt, kMaxFolders));
  for (int i = 0; i < count; ++i) {
    if (settings_.Common_Pass[static_cast<std::size_t>(i)] == path) {
      ShowFolder(i);
      return 0;
    }
  }
  if (!CanAddFolder()) return -1;
  int number = -1;
  for (int candidate = 0; candidate < kMaxFolders && number < 0; ++candidate) {
    bool used = false;
    for (int i = 0; i < count; ++i) used |= settings_.Common_CashDirNo[static_cast<std::size_t>(i)] == candidate;
    if (!used) number = candidate;
  }
  if (number < 0) {
    ui_.showMessage("キャッシュフォルダNoの取得に失敗しました(m_DirAdd)", MessageIcon::kStop);
    return -1;
  }
  settings_.Common_Pass[static_cast<std::size_t>(count)] = path;
  settings_.Common_CashDirNo[static_cast<std::size_t>(count)] = number;
  settings_.Common_Cnt = count + 1;
  settings_.Common_Idx = count;
  // The cache of a folder selected before under this number is not this folder's.
  for (const Listed& stale : ListItems(CachePath(count))) fs_.remove(PathIn(CachePath(count), stale.name));
  if (PathExists(fs_, path) && !fs_.attributes(PathIn(path, kManagementFileName))) {
    if (CreateManagement(path) != 0) {
      ui_.showMessage("共有ﾌｫﾙﾀﾞへの追加/複写ができません　", MessageIcon::kStop);
    }
  }
  host_.saveSettings();
  return OpenShownFolder() < 0 ? -1 : 0;
}

int CSharedList::RemoveShownFolder() {
  int count = std::min(settings_.Common_Cnt, kMaxFolders);
  int index = settings_.Common_Idx;
  if (index < 0 || index >= count) return -1;
  // m_Kanri2UserFileDell: this computer no longer wants notices of the folder.
  std::string own = OwnAddress();
  if (!own.empty() && mode() == SharedMode::kOnline) fs_.remove(PathIn(shownFolder(), UserFileName(own)));
  for (int i = index; i + 1 < count; ++i) {
    settings_.Common_Pass[static_cast<std::size_t>(i)] = settings_.Common_Pass[static_cast<std::size_t>(i + 1)];
    settings_.Common_CashDirNo[static_cast<std::size_t>(i)] =
        settings_.Common_CashDirNo[static_cast<std::size_t>(i + 1)];
    settings_.Common_Label_Width[static_cast<std::size_t>(i)] =
        settings_.Common_Label_Width[static_cast<std::size_t>(i + 1)];
  }
  settings_.Common_Pass[static_cast<std::size_t>(count - 1)].clear();
  settings_.Common_CashDirNo[static_cast<std::size_t>(count - 1)] = 99;
  settings_.Common_Cnt = count - 1;
  settings_.Common_Idx = std::max(0, std::min(index, count - 2));
  host_.saveSettings();
  OpenShownFolder();
  return 0;
}

// ---- The share link's threads. ----

std::vector<std::string> CSharedList::PeerAddresses() {
  std::string folder;
  {
    std::lock_guard lock(folderMutex_);
    if (mode_ != SharedMode::kOnline) return {};
    folder = folder_;
  }
  std::string own = OwnAddress();
  std::vector<std::string> peers;
  std::vector<FiveParts> users;
  for (const FileEntry& entry : fs_.list(PathIn(folder, kUserFileWildcard))) {
    if (users.size() == kMaxFolderUsers) break;
    std::optional<std::string> address = AddressOfUserFileName(entry.name);
    if (!address || *address == own || *address == "0.0.0.0") continue;
    users.push_back(FiveParts{"REC10", *address, "0", "0", "0"});
    peers.push_back(*address);
  }
  std::lock_guard lock(folderMutex_);
  record_.users = std::move(users);
  return peers;
}

void CSharedList::ApplyPeerUpdate() {
  int counter = peerCounter_.load();
  if (counter <= 0) return;
  if (counter > kPeerReloadTries) {
    peerCounter_.store(0);
    return;
  }
  if (mode() != SharedMode::kOnline || reloadPosted_.exchange(true)) return;
  host_.postToWindowThread([this] {
    reloadPosted_.store(false);
    ReloadForPeer();
  });
}

void CSharedList::ReloadForPeer() {
  // A user operation of this tab is open (its box dispatches this): try again at the next call.
  if (inUserOperation_ || mode() != SharedMode::kOnline) {
    peerCounter_.fetch_add(1);
    return;
  }
  UserOperation operation(*this);
  std::string folder = shownFolder();
  setSortingSuspended(true);
  int result = LoadRows(folder);
  SyncCache(ListItems(folder), false);
  setSortingSuspended(false);
  ShowRows();
  if (result == kReloadIncomplete) {
    peerCounter_.fetch_add(1);
  } else {
    peerCounter_.store(0);
  }
}

void CSharedList::CacheRecheck() {
  if (!retryInCache_.load() || mode() != SharedMode::kCache) return;
  std::uint64_t now = clock_.milliseconds();
  if (now - cacheSince_.load() < kRecheckMilliseconds || host_.mainWindowVisible()) return;
  cacheSince_.store(now);
  if (!PathExists(fs_, shownFolder()) || recheckPosted_.exchange(true)) return;
  host_.postToWindowThread([this] {
    recheckPosted_.store(false);
    if (!inUserOperation_ && mode() == SharedMode::kCache) OpenShownFolder(false);
  });
}

// ---- Hooks. ----

int CSharedList::getValue(int row, std::string& value) {
  value.clear();
  SharedItem item;
  if (ReadItem(row, item) != 0) return -1;
  value = item.value;
  return 0;
}

MenuModel CSharedList::loadMenu(const TabMenuContext& context) {
  return SharedMenuPattern(context);
}

}  // namespace qb
