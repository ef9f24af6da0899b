// The Stack tab's list and store: ten groups of up to 200 plain "STAK%03d.cln" items in
// data home + "Stack\StackDir%02d", one row per item of the group shown. Plans write into any
// group; the rows follow only the group shown.
#pragma once
#include <string>
#include <string_view>

#include "app/tablist/tab_list.h"
#include "history/save_stack_items.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

// Column indexes of the Stack list.
namespace stack_column {
inline constexpr int kValue = 1;
inline constexpr int kFileName = 3;
inline constexpr int kCreated = 4;
inline constexpr int kUpdated = 5;
inline constexpr int kCount = 6;
inline constexpr int kSize = 7;
inline constexpr int kPlanName = 8;
inline constexpr int kRealValue = 9;
}  // namespace stack_column

// The parts of a stack record: use count ":::" sequence ":::" label ":::0:::0:::" value.
struct StackRecord {
  std::string useCount;
  std::string sequence;
  std::string label;
  std::string value;
};
StackRecord SplitStackRecord(std::string_view record);

class CStackList : public CTabList {
 public:
  // `writer` is the program's one stack-item writer (the clipboard capture writes group 00 with
  // it too), so that sequence numbers never repeat within a second.
  CStackList(FileSystem& fs, Ui& ui, StackItemWriter& writer, std::string dataHome);

  // data home + "Stack\StackDir" + "%02d".
  std::string groupFolder(int group) const;
  int shownGroup() const { return group_; }

  // Shows another group: the rows of its folder.
  int showGroup(int group);
  // A plan's stack output: the item goes into the group; its row to the top when the group is
  // shown. 0 or -1 (reported).
  int storeStackOutput(int group, std::string_view label, std::string_view text) override;
  // An item that was written into a group by someone else (the capture into group 00): its row
  // to the top when the group is shown.
  int itemStored(int group, std::string_view fileName);
  // Every item of a group goes; the list empties when it is shown. 0 or -1 (reported).
  int clearGroup(int group);

  // Hooks.
  int loadGroup(std::string_view folder, int maximum) override;
  int getValue(int row, std::string& value) override;
  int m_AllDel() override { return clearGroup(group_); }
  int m_Dell(int row) override;

  int m_FileGet(const FileEntry& file);
  // Reads one item again and puts its row at the top.
  int m_FileGet_0(std::string_view fileName);

 private:
  TabRow rowOf(const StackRecord& record, const FileEntry& file) const;
  std::string pathOf(int row) const;
  // The rows of items that are gone (the oldest item removed to make room, whose number the new
  // item takes) leave the list.
  void dropReplacedRows(std::string_view newFileName);

  FileSystem& fs_;
  Ui& ui_;
  StackItemWriter& writer_;
  std::string dataHome_;
  int group_ = 0;
};

}  // namespace qb
