#include "tabs/related/related_tab.h"

#include <algorithm>

#include "app/tablist/menu_commands.h"
#include "base/sjis.h"
#include "tabs/related/related_commands.h"

namespace qb {

namespace mc = menu_command;
namespace rc = related_command;

namespace {

constexpr const char* kExplanation[] = {
    "【関連ファイルタブ】\n\n",
    "関連ファイルタブにテキストファイルを関連付けすることにより定型句として使用できるようになります。\n\n",
    "■１行が１テキストとなるので改行は含めることができません。\n",
    "■１ファイル5000行（5000定型句）を取り込むことができます。\n",
    "■１つの関連ファイルタブに10個のファイルを関連付けることができます。\n",
    "■関連ファイルタブは７つ用意されています(表示/非表示可能)\n",
    "■タブ名称を任意に変更できます。\n",
    "■１行毎にラベルを付加することができます（ラベル部:::値部のように記述します）。\n",
    "■テキストファイルをドラッグ＆ドロップで関連付けることもできます。\n",
    "■編集ボタンでエディタを起動して編集ができます。\n",
};

constexpr int kShellSucceededAbove = 32;

}  // namespace

RelatedTab::RelatedTab(RelatedTabParts parts) : parts_(std::move(parts)), list_(parts_.list) {}

std::string& RelatedTab::pathOf(int group) {
  return parts_.files.SANSYO_TEXT_DIR[static_cast<std::size_t>(parts_.tab)]
                                     [static_cast<std::size_t>(group)];
}

const std::string& RelatedTab::pathOf(int group) const {
  return parts_.files.SANSYO_TEXT_DIR[static_cast<std::size_t>(parts_.tab)]
                                     [static_cast<std::size_t>(group)];
}

bool RelatedTab::shown() const {
  return parts_.files.ENABLE == 1 &&
         parts_.files.SANSYO_TEXT_ON[static_cast<std::size_t>(parts_.tab)] == 1;
}

std::string RelatedTab::caption() const {
  return parts_.files.SANSYO_TEXT_TAB[static_cast<std::size_t>(parts_.tab)];
}

std::string RelatedTab::currentPath() const { return pathOf(group_); }

void RelatedTab::start() {
  for (int group = 0; group < kRelatedFileGroupCount; ++group) {
    if (!pathOf(group).empty()) return showGroup(group);
  }
  showGroup(0);
}

void RelatedTab::showGroup(int group) {
  group_ = group;
  labelWidth_ = -1;
  list_.removeAllRows();
  list_.loadFile(pathOf(group));
}

void RelatedTab::keepLabelWidth() {
  parts_.files.SANSYO_TEXT_WIDTH[static_cast<std::size_t>(parts_.tab)]
                                [static_cast<std::size_t>(group_)] = labelWidth();
}

std::vector<std::string> RelatedTab::comboEntries() const {
  std::vector<std::string> entries;
  for (int group = 0; group < kRelatedFileGroupCount; ++group) {
    if (!pathOf(group).empty()) entries.emplace_back(SjisFileNamePart(pathOf(group)));
  }
  if (entries.empty()) entries.emplace_back(kNoRelatedFile);
  return entries;
}

int RelatedTab::comboSelection() const {
  int index = 0;
  for (int group = 0; group < kRelatedFileGroupCount; ++group) {
    if (pathOf(group).empty()) continue;
    if (group == group_) return index;
    ++index;
  }
  return 0;
}

void RelatedTab::chooseComboEntry(int index) {
  for (int group = 0; group < kRelatedFileGroupCount; ++group) {
    if (pathOf(group).empty()) continue;
    if (index-- == 0) {
      keepLabelWidth();
      return showGroup(group);
    }
  }
}

MenuModel RelatedTab::linkMenu() const { return RelatedLinkMenu(); }

void RelatedTab::runLinkCommand(int command) {
  switch (command) {
    case rc::kLink: return link();
    case rc::kUnlink: return unlink();
    case rc::kEditNotepad: return edit(true);
    case rc::kEditAssociated: return edit(false);
    default: return;
  }
}

void RelatedTab::link() {
  const std::string current = currentPath();
  const std::size_t slash = SjisFindLast(current, '\\');
  const std::string folder = slash == std::string::npos ? std::string() : current.substr(0, slash);
  std::optional<std::string> chosen;
  {
    Ui::BusyScope busy(parts_.ui);
    chosen = parts_.host.chooseFile(kLinkDialogCaption, kLinkDialogFilter, folder);
  }
  if (chosen && !chosen->empty()) linkFile(*chosen);
}

void RelatedTab::linkFile(const std::string& path) {
  // The group shown takes the file when it has none, else the first group without one.
  int group = currentPath().empty() ? group_ : -1;
  for (int g = 0; group < 0 && g < kRelatedFileGroupCount; ++g) {
    if (pathOf(g).empty()) group = g;
  }
  if (group < 0) {
    parts_.ui.showMessage("関連付けできるファイルは１０個までです。\n関連を解除してから関連付けてください。　",
                          MessageIcon::kInformation);
    return;
  }
  pathOf(group) = path;
  if (parts_.settingsChanged) parts_.settingsChanged();
  keepLabelWidth();
  showGroup(group);
}

void RelatedTab::unlink() {
  const std::string path = currentPath();
  if (path.empty()) {
    parts_.ui.showMessage("関連付けられたファイルが存在しません", MessageIcon::kInformation);
    return;
  }
  if (parts_.ui.showMessage("ファイルとの関連を解除します。よろしいですか。\n\n" + path,
                            MessageIcon::kQuestion, MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return;
  }
  pathOf(group_).clear();
  if (parts_.settingsChanged) parts_.settingsChanged();
  start();
}

void RelatedTab::edit(bool notepad) {
  const std::string path = currentPath();
  if (path.empty()) {
    parts_.ui.showMessage("編集対象が存在しません", MessageIcon::kInformation);
    return;
  }
  const int result = notepad ? parts_.host.openWithShell("notepad.exe", "\"" + path + "\"")
                             : parts_.host.openWithShell(path, "");
  if (result <= kShellSucceededAbove) {
    parts_.ui.showMessage(
        "編集エディタの起動に失敗しました。\nエディタに関連付けされていない可能性があります。",
        MessageIcon::kExclamation);
  }
}

void RelatedTab::dropFiles(const std::vector<std::string>& paths) {
  if (paths.size() != 1) {
    parts_.ui.showMessage("ドロップできるのは１ファイルです　", MessageIcon::kInformation);
    return;
  }
  if (paths.front().empty()) {
    parts_.ui.showMessage("ファイルが正しくありません　", MessageIcon::kExclamation);
    return;
  }
  linkFile(paths.front());
}

MenuModel RelatedTab::sortMenu() const { return SortMenu(RelatedSortOrders(), list_.sortColumn()); }

void RelatedTab::sortBy(int command) {
  int column = SortColumnOf(RelatedSortOrders(), command);
  if (column >= 0) list_.sortByCommand(column);
}

std::optional<int> RelatedTab::selectedRow() {
  int row = list_.selectedRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::string RelatedTab::wholeValue(int row) {
  std::string value;
  list_.getValue(row, value);
  return value;
}

std::string RelatedTab::valueForUse(int row) {
  std::string value = wholeValue(row);
  if (value.empty()) return value;
  return PrepareValueForPaste(value, parts_.analyzer, parts_.inputs, parts_.inputMethod)
      .value_or(std::string());
}

void RelatedTab::paste(int row, PasteFlags flags, PasteKind kind) {
  list_.select(row);
  parts_.engine.setPasteKind(kind);
  parts_.engine.pasteSelected(*this, flags);
}

void RelatedTab::activate(int row) { paste(row, parts_.engine.choosePasteFlags()); }

void RelatedTab::runMenuCommand(int row, int command) {
  if (row < 0 || row >= list_.rowCount()) return;
  const bool direct = parts_.settings.DIRECT_SEND == 1;
  switch (command) {
    case mc::kPasteToDocument: return paste(row, {true, false});
    case mc::kCopyToClipboard: return paste(row, {false, false});
    case mc::kPartialSelection: return paste(row, {direct, true});
    case mc::kPasteTrimEnds: return paste(row, {true, false}, PasteKind::kTrimmed);
    case mc::kPasteNoBlanks: return paste(row, {true, false}, PasteKind::kSpacesRemoved);
    case mc::kContentView: return parts_.host.showContent(wholeValue(row));
    default: break;
  }
  if (parts_.planCall && parts_.planCall->run(command, wholeValue(row))) return;
  if (int group = mc::SaveGroupOfCopyCommand(command); group >= 0 && parts_.storeInSaveGroup) {
    list_.select(row);
    parts_.storeInSaveGroup(group, list_.text(row, related_column::kLabel), wholeValue(row));
  }
}

int RelatedTab::labelWidth() const {
  int width = labelWidth_ >= 0
                  ? labelWidth_
                  : parts_.files.SANSYO_TEXT_WIDTH[static_cast<std::size_t>(parts_.tab)]
                                                  [static_cast<std::size_t>(group_)];
  return std::clamp(width, kRelatedLabelWidthMin, kRelatedLabelWidthMax);
}

void RelatedTab::setLabelWidth(int width) {
  labelWidth_ = std::clamp(width, kRelatedLabelWidthMin, kRelatedLabelWidthMax);
}

TabColours RelatedTab::colours() const {
  const std::size_t tab = static_cast<std::size_t>(parts_.tab);
  return ColoursFromSettings(parts_.settings.TabColorTextKf[tab], parts_.settings.TabColorBackKf[tab]);
}

std::string RelatedTab::explanation() const {
  if (parts_.settings.TabHelpDsp != 1) return std::string();
  std::string text;
  for (const char* line : kExplanation) text += line;
  return text;
}

}  // namespace qb
