// A related-files tab's list: the lines of one linked text file as ready-made phrases. A line
// "label:::value" has a label; any other line is all value. The first 5000 lines are read; the
// file belongs to the user and is never written.
#pragma once
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_list.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

namespace related_column {
inline constexpr int kLabel = 0;
inline constexpr int kValue = 1;      // the value as displayed
inline constexpr int kReadOrder = 4;  // "読込順": the line number, "%08d"
inline constexpr int kSize = 7;       // "%08d"
inline constexpr int kRealValue = 8;  // "実値": the value itself
}  // namespace related_column

inline constexpr int kRelatedMaximumLines = 5000;

class CRelatedList : public CTabList {
 public:
  CRelatedList(FileSystem& fs, Ui& ui, const EnvironmentSettings& settings);

  // Reads the linked file into the list. -1 without a path (nothing loaded) or after the read
  // message when the file cannot be read (the list is then empty).
  int loadFile(std::string_view path);

  // Hooks.
  int getValue(int row, std::string& value) override;
  MenuModel loadMenu(const TabMenuContext& context) override;

 private:
  FileSystem& fs_;
  Ui& ui_;
  const EnvironmentSettings& settings_;
};

}  // namespace qb
