// The History tab's list and store: one byte-shifted "SAVE%04d.cln" file per item in
// data home + "clipsave", one row per item. Every file failure is reported, then the main window
// is asked to close so that the program ends in order.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_list.h"
#include "history/exact_companion.h"
#include "history/item_numbers.h"
#include "history/sequence_counter.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

struct HistoryStoreSetup {
  std::string dataHome;  // ends in a backslash
  std::string owner;     // the user name of the data home
  std::function<void()> requestClose;
};

class CHistoryList : public CTabList {
 public:
  // Reads the history options (`RirekiDuplicate`, `RirekiTopMove`, `KaigyoTabDsp`) as they stand
  // at each call.
  CHistoryList(FileSystem& fs, Clock& clock, Ui& ui, const EnvironmentSettings& settings,
               HistoryStoreSetup setup);

  const std::string& folder() const { return folder_; }

  // Creates the folder when missing, then loads up to `maximum` items (in file-name order, the
  // order an NTFS volume lists them in) and sorts them. A maximum below 1 (a hand-edited
  // `MaxFile=`) counts as the default 300.
  int load(int maximum) { return loadGroup(folder_, maximum); }
  // The start's part of the load: rows made from the folder's listing alone (file names and
  // times), so that captures can begin before hundreds of files are read. Their contents follow
  // with loadContents, or as soon as an operation needs them.
  int loadListing(int maximum) { return listGroup(folder_, maximum); }
  // Reads up to `count` files whose rows still wait for their contents (all when negative); a
  // file of another owner goes, and a file beyond the maximum takes its place. 0, or -1 after
  // the message.
  int loadContents(int count);
  bool contentsPending() const { return !pending_.empty(); }

  // Stores a new item with its source label; the row goes to the top. 0 or -1. `exact` is the
  // text in UTF-8 when code page 932 cannot hold it (`value` is then its code-page-932 form): it
  // is kept in the item's companion file. A value cut to 512000 bytes keeps no exact form, and a
  // companion that cannot be written leaves the item as it would be without one.
  int addItem(std::string_view value, std::string_view label, std::string_view exact = {});

  int m_FileGet(const FileEntry& file);
  int m_FileGet_2(std::string_view path, std::string& record);
  int m_HistTopMove(int row);
  // Adds one to the item's use count and rewrites its file in one step.
  int incrementUseCount(int row);
  // The number of the next item file; at the maximum, the least recently written item, which the
  // new one replaces.
  ItemNumberChoice NextItemNumber() const;

  // "履歴を全て削除します。よろしいですか？　"; Yes deletes every item.
  int deleteAllAfterQuestion();

  // Exit rules: with a maximum lowered below the stored `MaxFile` or with `AutoSave` off every
  // item goes; the maximum in force becomes the stored one. The store is closed from then on:
  // a capture or split that was still waiting when the shutdown ran writes nothing.
  int trimAtExit(int maximumInForce, std::int32_t& storedMaxFile, bool autoSave);
  bool closed() const { return closed_; }

  // Hooks.
  void reSort() override { sortAgain(); }
  int afterValueUsed(int row, bool bulkPaste) override;
  int getValue(int row, std::string& value) override;
  int exactValue(int row, std::string& exact) override;
  int m_AllDel() override;
  int loadGroup(std::string_view folder, int maximum) override;
  int joinLines(bool withBreaks) override;
  int splitLines(bool withBreaks) override;
  MenuModel loadMenu(const TabMenuContext& context) override;
  int importFile(ImportKind kind, std::string_view path) override;
  int removeDuplicates(std::string_view text, std::size_t length) override;
  void afterChange() override;
  int m_Dell(int row) override;
  int m_FileAdd(std::string_view value) override;

 private:
  std::string pathOf(int row) const;
  std::string displayValue(std::string_view preview) const;
  TabRow newRow(std::string_view value, std::string_view fileName, const std::string& stamp,
                std::string_view label, std::string_view exact) const;
  int fail(std::string_view message);
  int listGroup(std::string_view folder, int maximum);
  void addPendingRow(FileEntry file);
  bool isPending(int row) const;
  // 0 with the row filled, -1 when the row went (another owner's file), -2 after a failure.
  int loadRow(int row);
  // 0 when the row exists and has its contents (read now when they were pending).
  int withContents(int row);
  // Reads one item file: its row, or none for another owner's file (which is deleted).
  int readItemRow(const FileEntry& file, std::optional<TabRow>& row);
  void dropRow(int row);

  FileSystem& fs_;
  Clock& clock_;
  Ui& ui_;
  const EnvironmentSettings& settings_;
  std::string folder_;
  std::string owner_;
  std::function<void()> requestClose_;
  SequenceCounter sequence_;
  ExactCompanions companions_;
  // Item files whose companion was listed and is not read yet.
  std::set<std::string> withCompanion_;
  // Rows whose files are listed but not read yet, by file name.
  std::map<std::string, FileEntry> pending_;
  // Files beyond the maximum, highest name first; their numbers are never reused.
  std::vector<FileEntry> beyondMaximum_;
  std::vector<int> unloadedNumbers_;
  bool closed_ = false;
};

}  // namespace qb
