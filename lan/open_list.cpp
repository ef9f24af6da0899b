#include "lan/open_list.h"

#include <cstdio>

#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_menu.h"
#include "base/time_format.h"
#include "lan/open_commands.h"

namespace qb {

namespace mc = menu_command;
namespace oc = open_command;

COpenList::COpenList(OpenListParts parts)
    : CTabList(TabKind::kOpen),
      link_(parts.link),
      clock_(parts.clock),
      ui_(parts.ui),
      settings_(parts.settings),
      host_(parts.host) {
  for (int i = 0; i < SyncSlots::kCount; ++i) {
    slots_.address[i] = settings_.OpenSameIP[i];
    slots_.history[i] = settings_.OpenSameHistFlg[i];
  }
  controlMarks_.store(settings_.KaigyoTabDsp == 1);
}

std::string COpenList::Now() { return FormatTime("%Y%m%d%H%M%S", clock_.localNow()); }

// ---- Rows shown. ----

void COpenList::RowsChanged() {
  if (rowsPosted_.exchange(true)) return;
  host_.postToWindowThread([this] {
    rowsPosted_.store(false);
    SyncRows();
  });
}

void COpenList::SyncRows() {
  std::string selectedAddress = text(selectedRow(), open_col::kAddress);
  removeAllRows();
  for (const PublisherRecord& record : table_.Records()) {
    TabRow row;
    row.columns.assign(record.begin(), record.end());
    insertRow(rowCount(), std::move(row));
  }
  if (userSorted_) sortAgain();
  for (int row = 0; row < rowCount() && !selectedAddress.empty(); ++row) {
    if (text(row, open_col::kAddress) == selectedAddress) select(row);
  }
  {
    std::lock_guard lock(slotsMutex_);
    for (int i = 0; i < SyncSlots::kCount; ++i) {
      settings_.OpenSameIP[i] = slots_.address[i];
      settings_.OpenSameHistFlg[i] = slots_.history[i];
    }
  }
  controlMarks_.store(settings_.KaigyoTabDsp == 1);
  host_.rowsShown();
}

void COpenList::SortBy(int command) {
  int column = -1;
  switch (command) {
    case oc::kSortByPublisher: column = open_col::kName; break;
    case oc::kSortByValue: column = open_col::kValue; break;
    case oc::kSortBySize: column = open_col::kSize; break;
    case oc::kSortByPublishing: column = open_col::kPublishing; break;
    case oc::kSortByArrival:
      userSorted_ = false;
      SyncRows();
      return;
    default: return;
  }
  userSorted_ = true;
  sortByCommand(column);
  host_.rowsShown();
}

int COpenList::SortCommand() const {
  if (!userSorted_) return oc::kSortByArrival;
  switch (sortColumn()) {
    case open_col::kName: return oc::kSortByPublisher;
    case open_col::kValue: return oc::kSortByValue;
    case open_col::kSize: return oc::kSortBySize;
    case open_col::kPublishing: return oc::kSortByPublishing;
    default: return oc::kSortByArrival;
  }
}

// ---- The link's calls. ----

std::string COpenList::CurrentGroup() {
  std::lock_guard lock(stateMutex_);
  return currentGroup_;
}

std::string COpenList::TextToPublish() {
  std::lock_guard lock(stateMutex_);
  return currentText_;
}

void COpenList::PublishRequest(const std::string& text) {
  std::vector<std::string> addresses = table_.Addresses();
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    if (link_.StopRequested()) return;
    if (i >= kPacedFromRow) clock_.pumpWait(kPaceMilliseconds);
    link_.SendInfo("R", addresses[i], text);
  }
}

void COpenList::SendEndToAll(const std::string& group) {
  if (!group.empty()) {
    std::string own = link_.OwnAddress();
    std::string previous = link_.PreviousAddress();
    for (const std::string& address : table_.Addresses()) {
      if (address == own || address == previous) continue;
      link_.SendEnd(address, group);
    }
  }
  table_.RemoveAll();
  RowsChanged();
}

void COpenList::IdleWork() {
  if (idleTicks_.fetch_add(1) + 1 < kIdleTicksPerSecond) return;
  idleTicks_.store(0);
  std::string group = CurrentGroup();
  if (table_.size() > 0) {
    emptySeconds_.store(0);
    probes_.store(0);
  } else if (!group.empty()) {
    if (emptySeconds_.fetch_add(1) + 1 >= kProbeEverySeconds) {
      emptySeconds_.store(0);
      if (probes_.load() < kMaxProbes) {
        probes_.fetch_add(1);
        link_.Enqueue(std::string(kOpenCheckRequest), group, "");
      }
    }
  }
  for (const std::string& address : table_.AddressesToAskAgain()) {
    if (link_.StopRequested()) return;
    link_.SendInfo("R", address, TextToPublish());
    clock_.pumpWait(kAskAgainWaitMilliseconds);
  }
}

void COpenList::UpdatePublisher(const ParsedDatagram& fields) {
  PublisherUpdate how{link_.OwnAddress(), Now(), controlMarks_.load()};
  std::optional<SyncCandidate> change;
  {
    std::lock_guard lock(slotsMutex_);
    change = table_.Update(fields, how, slots_);
  }
  if (change) host_.postToWindowThread([this, c = *change] { ApplySync(c); });
  RowsChanged();
}

void COpenList::NoteAnswer(const std::string& address) {
  table_.NoteAnswer(address);
  RowsChanged();
}

void COpenList::RemovePublisher(const std::string& address) {
  if (table_.Remove(address)) RowsChanged();
}

void COpenList::RefreshPublishers() {
  table_.MarkSilent();
  RowsChanged();
}

void COpenList::NoteRequestSent(const std::string& address, const std::string& kind) {
  table_.NoteRequestSent(address, kind, Now());
  RowsChanged();
}

void COpenList::AnnounceEnd(int mode, const std::string& group) {
  if (mode == 1) {
    link_.Enqueue(std::string(kOpenEndNotice), group, "");
  } else {
    SendEndToAll(group);
  }
}

void COpenList::Join(const std::string& group) {
  if (group.empty()) return;
  clock_.pumpWait(kJoinWaitMilliseconds);
  {
    std::lock_guard lock(stateMutex_);
    currentGroup_ = group;
  }
  emptySeconds_.store(0);
  probes_.store(0);
  link_.Enqueue(std::string(kOpenCheckRequest), group, "");
  host_.tabStateChanged();
}

void COpenList::RefreshList() {
  RowsChanged();
  host_.tabStateChanged();
}

// ---- Change sync (window thread). ----

void COpenList::ApplySync(const SyncCandidate& change) {
  std::optional<std::string> clipboard = host_.clipboardText();
  if (clipboard && *clipboard == change.text) return;
  std::uint64_t now = clock_.milliseconds();
  if (echo_.Holds(change.address, change.text, now)) return;
  // Recorded first: the capture of this very text must find it.
  echo_.Record(change.address, change.text, now);
  syncedText_ = change.text;
  syncedName_ = change.name;
  host_.putSyncedText(change.text, change.intoHistory);
}

std::optional<std::string> COpenList::TakePublisherOf(std::string_view text) {
  if (syncedName_.empty() || text != syncedText_) return std::nullopt;
  std::string name = std::move(syncedName_);
  syncedName_.clear();
  syncedText_.clear();
  return name;
}

// ---- The user's commands (window thread). ----

void COpenList::Announce(const std::string& text) {
  if (!link_.IsOpen()) return;
  link_.Enqueue(std::string(kOpenInfoRequest), "", text);
}

void COpenList::OnClipboardChanged(const std::string& text, bool forced) {
  if (settings_.Open_Enable != 1) return;
  if (text.empty() && settings_.OpenNullNoGet == 1 && !forced) return;
  {
    std::lock_guard lock(stateMutex_);
    currentText_ = text;
  }
  // A text change sync just put on the clipboard is not announced back.
  if (!forced && echo_.HoldsText(text, clock_.milliseconds())) return;
  if (link_.Publishing()) {
    notPublishingSent_ = false;
    Announce(text);
  } else if (!notPublishingSent_) {
    Announce(text);
    notPublishingSent_ = true;
  }
}

void COpenList::TogglePublishing() {
  if (link_.Publishing()) {
    link_.SetPublishing(false);
    OnClipboardChanged(TextToPublish(), true);
  } else {
    StartPublishing();
  }
  host_.tabStateChanged();
}

void COpenList::StartPublishing() {
  link_.SetPublishing(true);
  std::optional<std::string> clipboard = host_.clipboardText();
  OnClipboardChanged(clipboard ? *clipboard : TextToPublish(), true);
}

int COpenList::SwitchGroup(int group) {
  if (settings_.Open_Group_Cnt < 1) {
    ui_.showMessage("公開グループ名が存在しません", MessageIcon::kExclamation);
    return -1;
  }
  if (group < 0 || group >= settings_.Open_Group_Cnt || group >= 10) return -1;
  AnnounceEnd(1, CurrentGroup());
  settings_.Open_Group_Idx = group;
  host_.saveSettings();
  Join(settings_.Open_Group[static_cast<std::size_t>(group)]);
  return 0;
}

void COpenList::JoinCurrentGroup() {
  int index = settings_.Open_Group_Idx;
  if (index < 0 || index >= settings_.Open_Group_Cnt || index >= 10) return;
  Join(settings_.Open_Group[static_cast<std::size_t>(index)]);
}

void COpenList::ToggleSync(int row) {
  if (row < 0 || row >= rowCount()) return;
  std::string address = text(row, open_col::kAddress);
  std::string name = text(row, open_col::kName);
  std::string version = text(row, open_col::kVersion);
  if (text(row, open_col::kSync) != "0") {
    {
      std::lock_guard lock(slotsMutex_);
      slots_.clear(slots_.find(address));
      table_.SetSyncFlag(address, "0");
    }
    SyncRows();
    ui_.showMessage("同期を解除しました　", MessageIcon::kInformation);
    return;
  }
  if (version.compare(kSyncVersion) < 0) {
    char message[512];
    std::snprintf(message, sizeof message,
                  "相手先のバージョンが%sです。\n「変更の同期」を設定するには、相手先が%s以上の必要があります。　",
                  version.c_str(), std::string(kSyncVersion).c_str());
    ui_.showMessage(message, MessageIcon::kExclamation);
    return;
  }
  int slot = -1;
  {
    std::lock_guard lock(slotsMutex_);
    slot = slots_.find(address) >= 0 ? slots_.find(address) : slots_.firstFree();
  }
  if (slot < 0) {
    char message[256];
    std::snprintf(message, sizeof message,
                  "変更の同期設定が最大数の %d を越えました。これ以上設定できません　",
                  SyncSlots::kCount);
    ui_.showMessage(message, MessageIcon::kExclamation);
    return;
  }
  MessageAnswer answer = ui_.showMessage(
      name + " の変更をこのコンピュータに同期させます。　\n\n同期時に履歴タブへ格納しますか？　",
      MessageIcon::kQuestion, MessageButtons::kYesNo);
  bool intoHistory = answer == MessageAnswer::kYes;
  {
    std::lock_guard lock(slotsMutex_);
    slots_.address[slot] = address;
    slots_.history[slot] = intoHistory ? 1 : 0;
    table_.SetSyncFlag(address, intoHistory ? "2" : "1");
  }
  SyncRows();
}

void COpenList::ResetSync() {
  MessageAnswer answer = ui_.showMessage(
      "変更同期の情報は現在使用していないコンピュータでも　\n過去に設定したものは記憶されています。　\n\n"
      "変更同期の情報を全て初期化しますか？　",
      MessageIcon::kQuestion, MessageButtons::kYesNo);
  if (answer != MessageAnswer::kYes) return;
  {
    std::lock_guard lock(slotsMutex_);
    for (int i = 0; i < SyncSlots::kCount; ++i) slots_.clear(i);
    // Rows already listed stop syncing too, not only those that come later.
    table_.ClearAllSyncFlags();
  }
  SyncRows();
  host_.saveSettings();
  ui_.showMessage("初期化が完了しました　", MessageIcon::kInformation);
}

void COpenList::MaintenanceProbe() {
  link_.Enqueue(std::string(kMainteAllIpRequest), "", "");
}

std::string COpenList::SelectedText(int row) {
  if (row < 0 || row >= rowCount()) return {};
  if (text(row, open_col::kPublishing) == "0") {
    ui_.showMessage("このコンピュータは公開していません", MessageIcon::kExclamation);
    return {};
  }
  return text(row, open_col::kText);
}

// ---- Hooks. ----

int COpenList::getValue(int row, std::string& value) {
  value = text(row, open_col::kText);
  return 0;
}

int COpenList::valueForUse(int row, std::string& value) {
  value = SelectedText(row);
  return 0;
}

MenuModel COpenList::loadMenu(const TabMenuContext& context) {
  using E = MenuEntry;
  MenuModel menu({
      E::Command("作業中文書に貼り付け", mc::kPasteToDocument),
      E::Command("クリップボードへコピー", mc::kCopyToClipboard),
      E::Separator(),
      E::Command("内容確認...", mc::kContentView),
      E::Separator(),
      E::Submenu("指定保存...", {E::Command("", mc::kCopyToGroupPlaceholder)}),
      E::Separator(),
      E::Command("共有へ複写...", mc::kCopyToShared),
      E::Separator(),
      E::Command("変更の同期", oc::kToggleSync),
      E::Command("変更同期の初期化...", oc::kResetSync),
      E::Separator(),
      E::Command("稼働中のコンピュータを調べる", oc::kMaintenanceProbe),
      E::Command("公開の情報／エラー情報...", oc::kStatus),
  });
  InsertGroupSubmenus(menu, context);
  PrepareTabMenu(menu, context);
  return menu;
}

}  // namespace qb
