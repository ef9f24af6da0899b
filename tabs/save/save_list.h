// The Save tab's list and store: ten groups of at most 100 "CLIP%03d.cln" items (label
// ":::0:::0:::" value, plain) in data home + "ラベル付き格納" + "%02d"; the list shows the group
// `CLIPDIR_IDX=` names, newest item first. Order lives in the files' creation times.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_colours.h"
#include "app/tablist/tab_list.h"
#include "history/exact_companion.h"
#include "history/item_numbers.h"
#include "history/save_stack_items.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

namespace save_column {
inline constexpr int kLabel = 0;
inline constexpr int kValue = 1;
inline constexpr int kFileName = 3;
inline constexpr int kCreated = 4;
inline constexpr int kUpdated = 5;
inline constexpr int kSize = 7;
inline constexpr int kMacros = 8;  // "ﾏｸﾛ保持識別": the macro flags of the value, -1 malformed
}  // namespace save_column

inline constexpr int kSaveLabelWidthMin = 8;
inline constexpr int kSaveLabelWidthMax = 600;
// The release this program is; items whose record names a later one are not touched.
inline constexpr char kProgramVersion[] = "V3.34";

struct SaveStoreSetup {
  std::string dataHome;  // ends in a backslash
  std::function<void()> requestClose;
};

// A save record split: the label before the first ":::", the value 11 bytes after it, and the
// first reserved field, which a later release may fill with its version.
struct SaveRecord {
  std::string label;
  std::string value;
  std::string reserved;
};
SaveRecord SplitSaveRecord(std::string_view record);
// True when `version` ("V3.50") names a later release than this program.
bool IsLaterVersion(std::string_view version);

class CSaveList : public CTabList {
 public:
  CSaveList(FileSystem& fs, Clock& clock, Ui& ui, EnvironmentSettings& settings,
            SaveStoreSetup setup);

  // The group shown (`CLIPDIR_IDX=`, 0-9) and its name.
  int shownGroup() const;
  std::string groupName(int group) const;
  std::string groupFolder(int group) const;

  // Loads the group shown.
  int load() { return loadGroup(groupFolder(shownGroup()), kSaveGroupMaximum); }
  // The group switch: the label width is kept for the group left, the group becomes the shown
  // one and is loaded.
  int chooseGroup(int group);

  // Stores an item in a group. Into the group shown it goes to the top, and a full group first
  // gives up its least recently written item; another group's full folder refuses it. 0 or -1.
  // `exact` is the value in UTF-8 when code page 932 cannot hold it: it is kept in the item's
  // companion file, as the History keeps it (a companion that cannot be written is left out).
  int storeInGroup(int group, std::string_view label, std::string_view value,
                   std::string_view exact = {});
  // Reads the row's item; refuses one that a later release wrote. 0 or -1 (reported).
  int readItem(int row, std::string& label, std::string& value);
  // Deletes the row's file, then its row; asks first when `ask` and `Hozon_Del_Flg=` is 1.
  // 0 also when the user said No; -1 on failure.
  int deleteItem(int row, bool ask);
  // Writes label and value back to the row's file and refreshes its row ("変更..."). 0 or -1.
  int updateItem(int row, std::string_view label, std::string_view value);
  // The same for a value edited in its exact form: the companion is written for the new value,
  // or removed when code page 932 holds it (`exact` empty).
  int updateExactItem(int row, std::string_view label, std::string_view value,
                      std::string_view exact);
  // Drag and drop in creation order: the row moves to `to` and the creation times are written
  // again from the top so that the order stays. 0 or -1 (reported; the group is read again).
  int reorder(int from, int to);
  bool reorderable() const;

  // The label column's width of the group shown (8-600), as the view last reported it.
  int labelWidth() const;
  void setLabelWidth(int width);
  // The colours of the group shown: common to all groups or per group (`TabColorHGpFlg=`).
  TabColours colours() const;

  // Hooks.
  int checkVersion(int row) override;
  void switchGroup(int group) override;
  int getValue(int row, std::string& value) override;
  int exactValue(int row, std::string& exact) override;
  int newItem() override;
  int loadGroup(std::string_view folder, int maximum) override;
  MenuModel loadMenu(const TabMenuContext& context) override;
  int importFile(ImportKind kind, std::string_view path) override;
  int moveToGroup(int row, int group) override;
  int copyToSaveGroup(int row, int group) override;
  int m_Dell(int row) override { return deleteItem(row, true); }
  int m_FileAdd(std::string_view value) override { return storeInGroup(shownGroup(), "", value); }

 private:
  std::string pathOf(int row) const;
  TabRow newRow(std::string_view fileName, std::string_view label, const DateTime& created,
                const DateTime& updated) const;
  void refreshValueColumns(int row, std::string_view value, std::string_view exact);
  // Writes the companion of an item just written, or removes one left from an earlier item.
  std::string storeCompanion(std::string_view itemPath, std::string_view value,
                             std::string_view exact);
  // Writes the row's file again and shows its label and update time. 0 or -1 (reported).
  int rewriteItem(int row, std::string_view label, std::string_view value);
  int readRecord(int row, SaveRecord& record);
  int refuseLaterVersion(const SaveRecord& record);
  int macroFlags(std::string_view value) const;
  int storeInShownGroup(std::string_view label, std::string_view value, std::string_view exact);

  FileSystem& fs_;
  Clock& clock_;
  Ui& ui_;
  EnvironmentSettings& settings_;
  std::string dataHome_;
  SaveItemWriter writer_;
  ExactCompanions companions_;
  int labelWidth_ = -1;  // -1: the group's stored width
};

}  // namespace qb
