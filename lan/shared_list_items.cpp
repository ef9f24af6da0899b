// The Shared list's item operations: add, delete, change (with the mark others see meanwhile),
// delete protection, reading; every change under the management file's lock.
#include <algorithm>
#include <set>

#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_menu.h"
#include "base/byte_shift.h"
#include "base/sjis.h"
#include "base/text_limits.h"
#include "base/time_format.h"
#include "lan/shared_commands.h"
#include "lan/shared_list.h"

namespace qb {

namespace mc = menu_command;
namespace sc = shared_command;

namespace {

constexpr int kLockWaits[] = {200, 300, 400, 400, 500, 600};

}  // namespace

std::unique_ptr<ExclusiveFile> CSharedList::LockManagementFile() {
  std::string path = PathIn(shownFolder(), kManagementFileName);
  for (std::size_t attempt = 0;; ++attempt) {
    FileResult<std::unique_ptr<ExclusiveFile>> held = fs_.openExclusive(path);
    if (held.ok()) return std::move(*held.value);
    if (attempt == std::size(kLockWaits)) break;
    clock_.pumpWait(kLockWaits[attempt]);
  }
  ui_.showMessage(
      "管理ファイルがロックされているか、変更が許可されていない可能性があります。\n確認して再度やりなおしてください",
      MessageIcon::kExclamation);
  return nullptr;
}

void CSharedList::ArmUpdateNotice() {
  std::string key = shareKey();
  if (!key.empty()) link_.ArmDelivery(key);
}

bool CSharedList::RefuseChanges() {
  switch (mode()) {
    case SharedMode::kCache:
      ui_.showMessage("キャッシュ使用中は追加／削除／変更処理は行えません　", MessageIcon::kExclamation);
      return true;
    case SharedMode::kNoFolder:
      ui_.showMessage("共有フォルダが指定されていません  ", MessageIcon::kExclamation);
      return true;
    case SharedMode::kOnline:
      if (shareKey().empty()) {
        ui_.showMessage("共有タブでエラーが発生しています　", MessageIcon::kStop);
        return true;
      }
      return false;
  }
  return true;
}

std::optional<std::string> CSharedList::CurrentName(int row) const {
  std::optional<CommItemName> parsed = ParseCommItemName(text(row, shared_col::kFileName));
  if (!parsed) return std::nullopt;
  std::string pattern = parsed->Format();
  pattern[7] = '?';
  std::vector<FileEntry> found = fs_.list(PathIn(ItemFolder(), pattern));
  if (found.empty()) return std::nullopt;
  return found.front().name;
}

std::optional<std::string> CSharedList::ChangeableName(int row) {
  std::optional<std::string> name = CurrentName(row);
  if (!name) {
    ui_.showMessage("ファイルの実体が見つかりません\n削除された可能性があります　", MessageIcon::kExclamation);
    return std::nullopt;
  }
  char flag = (*name)[7];
  if (flag == 'C' || flag == 'D') {
    ui_.showMessage("このデータは他で変更中です", MessageIcon::kExclamation);
    return std::nullopt;
  }
  if (flag != 'A' && flag != 'B') {
    ui_.showMessage("変更できません　", MessageIcon::kExclamation);
    return std::nullopt;
  }
  return name;
}

int CSharedList::WriteItemFile(const std::string& path, const SharedItem& item,
                               const DateTime& created) {
  FileFailure failed = fs_.writeNew(path, ShiftBytesUp(FormatItemRecord(item)));
  if (failed) {
    if (failed->cause == FileCause::kAccessDenied) {
      ui_.showMessage("共有ﾌｫﾙﾀﾞへのﾌｧｲﾙの追加に失敗しました　\nｱｸｾｽが制限されています　\n保護されてﾌｧｲﾙの追加ができません　",
                      MessageIcon::kStop);
    } else if (failed->cause == FileCause::kDiskFull) {
      ui_.showMessage("共有ﾌｫﾙﾀﾞへのﾌｧｲﾙの追加に失敗しました　\nディスクの容量不足です　", MessageIcon::kStop);
    } else {
      ui_.showMessage("ﾌｧｲﾙの追加に失敗しました(4m_FileAdd_c)", MessageIcon::kStop);
    }
    return -1;
  }
  if (fs_.setTimes(path, created, std::nullopt)) {
    ui_.showMessage("ﾌｧｲﾙの属性変更に失敗しました(4m_FileAdd)", MessageIcon::kStop);
    return -1;
  }
  return 0;
}

int CSharedList::AddItem(std::string_view value, std::string_view label, std::string_view dataKind) {
  UserOperation operation(*this);
  if (RefuseChanges()) return -1;
  host_.showWorkingNote("共有へ複写中です\n\n時間がかかる場合があります");
  struct NoteEnd {
    SharedTabHost& host;
    ~NoteEnd() { host.showWorkingNote({}); }
  } noteEnd{host_};
  std::string folder = shownFolder();
  WriteUserFile();
  std::unique_ptr<ExclusiveFile> lock = LockManagementFile();
  if (!lock) return -1;
  std::vector<Listed> items = ListItems(folder);
  if (items.size() >= static_cast<std::size_t>(kMaxItems)) {
    // The oldest normal item makes room; protected items and items being changed stay.
    auto oldest = items.end();
    for (auto it = items.begin(); it != items.end(); ++it) {
      if (it->parsed.flag() != 'A') continue;
      if (oldest == items.end() || it->parsed.stamp + it->parsed.sequence <
                                       oldest->parsed.stamp + oldest->parsed.sequence) {
        oldest = it;
      }
    }
    if (oldest == items.end() || fs_.remove(PathIn(folder, oldest->name))) {
      ui_.showMessage("共有ﾌｫﾙﾀﾞへの追加/複写ができません　", MessageIcon::kStop);
      return -1;
    }
    items.erase(oldest);
  }
  std::set<int> used;
  for (const Listed& item : items) used.insert(item.parsed.number);
  int number = 1;
  while (used.count(number) != 0) ++number;
  if (number > 999) {
    ui_.showMessage("共有ﾌｫﾙﾀﾞへの追加/複写ができません　", MessageIcon::kStop);
    return -1;
  }
  DateTime now = clock_.localNow();
  CommItemName name{number, "AAA", TimeStamp14(now), SequenceText(sequence_.next(now))};
  SharedItem item;
  item.sequence = name.sequence;
  if (dataKind == kDataKindPlan) {
    item.kind = std::string(kKindPlan);
    item.value = std::string(value);
    item.version = std::string(kNewestPlanVersion);
  } else {
    item.kind = std::string(kKindText);
    item.label = std::string(label);
    item.value = CutBytesWhole(value, kMaxValueBytes);
    item.version = TextVersionOf(item.value);
  }
  if (WriteItemFile(PathIn(folder, name.Format()), item, now) != 0) return -1;
  lock.reset();
  LoadRows(folder);
  SyncCache(ListItems(folder), true);
  ShowRows();
  ArmUpdateNotice();
  return 0;
}

int CSharedList::m_DellGyo(int row, bool forced) {
  UserOperation operation(*this);
  if (row < 0 || row >= rowCount() || RefuseChanges()) return -1;
  if (!forced && ui_.showMessage("削除します　\nよろしいですか？", MessageIcon::kQuestion,
                                 MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return 1;
  }
  std::optional<std::string> name = CurrentName(row);
  if (!name) {
    // Another computer deleted it already.
    LoadRows(shownFolder());
    ShowRows();
    return 0;
  }
  char flag = (*name)[7];
  if (flag == 'B' || flag == 'D') {
    ui_.showMessage("このデータは削除不可に設定されています。\n削除する場合は削除不可を解除してください。",
                    MessageIcon::kExclamation);
    return -1;
  }
  if (flag == 'C' && !forced) {
    ui_.showMessage("このデータは変更中です　", MessageIcon::kExclamation);
    return 2;
  }
  if (flag != 'A' && flag != 'C') {
    ui_.showMessage("このデータは削除できません　", MessageIcon::kExclamation);
    return -1;
  }
  std::unique_ptr<ExclusiveFile> lock = LockManagementFile();
  if (!lock) return -1;
  std::string folder = shownFolder();
  FileFailure failed = fs_.remove(PathIn(folder, *name));
  lock.reset();
  if (failed && failed->cause != FileCause::kFileNotFound) {
    if (failed->cause == FileCause::kAccessDenied) {
      ui_.showMessage("ﾌｧｲﾙの削除に失敗しました　\nﾌｧｲﾙのｱｸｾｽが制限されています　\nﾌｧｲﾙが保護されて削除できません　",
                      MessageIcon::kStop);
    } else {
      ui_.showMessage("ﾌｧｲﾙの削除に失敗しました(m_DellGyo)　", MessageIcon::kStop);
    }
    return -1;
  }
  RemoveFromCache(*name, true);
  LoadRows(folder);
  ShowRows();
  ArmUpdateNotice();
  return 0;
}

int CSharedList::checkVersion(int row) {
  if (row < 0 || row >= rowCount()) return -1;
  SharedItem item;
  item.kind = text(row, shared_col::kDataKind) == kDataKindPlan   ? std::string(kKindPlan)
              : text(row, shared_col::kDataKind) == kDataKindText ? std::string(kKindText)
                                                                  : text(row, shared_col::kDataKind);
  item.version = text(row, shared_col::kVersion);
  std::string message = IncompatibilityMessage(item);
  if (message.empty()) return 0;
  ui_.showMessage(message, MessageIcon::kExclamation);
  return -1;
}

int CSharedList::ReadItem(int row, SharedItem& item) {
  if (row < 0 || row >= rowCount()) return -1;
  std::optional<std::string> name = CurrentName(row);
  FileResult<std::string> read = name ? fs_.readWhole(PathIn(ItemFolder(), *name))
                                      : FileResult<std::string>::failure({FileCause::kFileNotFound, 2});
  if (!read.ok()) {
    if (read.error.cause == FileCause::kFileNotFound) {
      ui_.showMessage("ファイルが見つかりません\n削除された可能性があります　", MessageIcon::kExclamation);
    } else if (read.error.cause == FileCause::kSharingViolation) {
      ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(4m_FileGet_2)：sharingViolation：" + name.value_or(""),
                      MessageIcon::kStop);
    } else {
      ui_.showMessage("ファイルの読み込みに失敗しました(m_CommFileRead)：" + name.value_or(""),
                      MessageIcon::kStop);
    }
    return -1;
  }
  item = ParseItemRecord(ShiftBytesDown(*read.value));
  return 0;
}

int CSharedList::m_UpdateMae(int row, SharedItem& item) {
  UserOperation operation(*this);
  if (row < 0 || row >= rowCount() || RefuseChanges()) return -1;
  if (IsPlanRow(row)) {
    ui_.showMessage("プランは共有タブでは変更できません", MessageIcon::kExclamation);
    return -1;
  }
  if (checkVersion(row) != 0) return -1;
  std::optional<std::string> name = ChangeableName(row);
  if (!name) return -1;
  char flag = (*name)[7];
  std::string folder = shownFolder();
  std::string marked = WithFirstFlag(*name, flag == 'A' ? 'C' : 'D');
  {
    std::unique_ptr<ExclusiveFile> lock = LockManagementFile();
    if (!lock) return -1;
    if (fs_.rename(PathIn(folder, *name), PathIn(folder, marked))) {
      ui_.showMessage("ファイル名の変更に失敗しました(m_UpdateMae)", MessageIcon::kStop);
      return -1;
    }
  }
  FileResult<std::string> read = fs_.readWhole(PathIn(folder, marked));
  if (!read.ok()) {
    fs_.rename(PathIn(folder, marked), PathIn(folder, *name));
    ui_.showMessage("ファイルの読み込みに失敗しました(m_CommFileRead)：" + marked, MessageIcon::kStop);
    return -1;
  }
  item = ParseItemRecord(ShiftBytesDown(*read.value));
  changing_ = Changing{*name, marked, item};
  return 0;
}

int CSharedList::FinishChange(std::string_view label, std::string_view value) {
  UserOperation operation(*this);
  if (!changing_) return -1;
  std::string folder = shownFolder();
  SharedItem item = changing_->item;
  item.label = std::string(label);
  item.value = CutBytesWhole(value, kMaxValueBytes);
  item.version = TextVersionOf(item.value);
  int result = 0;
  {
    std::unique_ptr<ExclusiveFile> lock = LockManagementFile();
    if (!lock) {
      m_UpdateAto();
      return -1;
    }
    if (fs_.replaceAtomically(PathIn(folder, changing_->marked), ShiftBytesUp(FormatItemRecord(item)))) {
      ui_.showMessage("ﾌｧｲﾙの書き込みに失敗しました(4m_Update)", MessageIcon::kStop);
      result = -1;
    }
  }
  if (m_UpdateAto() != 0) result = -1;
  LoadRows(folder);
  SyncCache(ListItems(folder), true);
  ShowRows();
  if (result == 0) ArmUpdateNotice();
  return result;
}

int CSharedList::m_UpdateAto() {
  if (!changing_) return 0;
  std::string folder = shownFolder();
  Changing done = std::move(*changing_);
  changing_.reset();
  FileFailure failed;
  {
    std::unique_ptr<ExclusiveFile> lock = LockManagementFile();
    if (!lock) return -1;
    failed = fs_.rename(PathIn(folder, done.marked), PathIn(folder, done.original));
  }
  if (failed) {
    ui_.showMessage("ファイル名の変更に失敗しました(m_UpdateAto)", MessageIcon::kStop);
    return -1;
  }
  return 0;
}

int CSharedList::ToggleDeleteProtect(int row) {
  UserOperation operation(*this);
  if (row < 0 || row >= rowCount() || RefuseChanges()) return -1;
  std::optional<std::string> name = ChangeableName(row);
  if (!name) return -1;
  char flag = (*name)[7];
  std::string folder = shownFolder();
  {
    std::unique_ptr<ExclusiveFile> lock = LockManagementFile();
    if (!lock) return -1;
    if (fs_.rename(PathIn(folder, *name), PathIn(folder, WithFirstFlag(*name, flag == 'A' ? 'B' : 'A')))) {
      ui_.showMessage("ファイル名の変更に失敗しました(m_UpdateMae)", MessageIcon::kStop);
      return -1;
    }
  }
  LoadRows(folder);
  SyncCache(ListItems(folder), true);
  ShowRows();
  ArmUpdateNotice();
  return 0;
}

MenuModel SharedMenuPattern(const TabMenuContext& context) {
  using E = MenuEntry;
  MenuModel menu({
      E::Command("作業中文書に貼り付け", mc::kPasteToDocument),
      E::Command("クリップボードへコピー", mc::kCopyToClipboard),
      E::Separator(),
      E::Command("内容確認...", mc::kContentView),
      E::Separator(),
      E::Submenu("指定保存...", {E::Command("", mc::kCopyToGroupPlaceholder)}),
      E::Command("プランタブに保存...", sc::kStorePlan),
      E::Separator(),
      E::Command("値の新規作成...", sc::kNewItem),
      E::Command("変更...", sc::kChange),
      E::Command("削除不可設定", sc::kDeleteProtect),
      E::Separator(),
      E::Command("削除        　　　　Delete", mc::kDelete),
  });
  InsertGroupSubmenus(menu, context);
  menu.setDefault(context.clickPastes ? mc::kPasteToDocument : mc::kCopyToClipboard);
  return menu;
}

}  // namespace qb
