#include "tabs/related/related_list.h"

#include <algorithm>
#include <cstdio>

#include "app/tablist/menu_commands.h"
#include "base/preview.h"
#include "base/text_limits.h"
#include "tabs/related/related_commands.h"

namespace qb {

namespace col = related_column;

namespace {

std::string Eight(std::size_t number) {
  char text[24];
  std::snprintf(text, sizeof text, "%08zu", number);
  return text;
}

}  // namespace

CRelatedList::CRelatedList(FileSystem& fs, Ui& ui, const EnvironmentSettings& settings)
    : CTabList(TabKind::kRelated), fs_(fs), ui_(ui), settings_(settings) {
  setInitialSortColumn(col::kReadOrder);
  setMaximumCount(kRelatedMaximumLines);
}

int CRelatedList::loadFile(std::string_view path) {
  if (path.empty()) return -1;
  removeAllRows();
  FileResult<std::string> read = fs_.readWhole(path);
  if (!read.ok()) {
    ui_.showMessage("関連ﾌｧｲﾙﾌｧｲﾙの読み込みに失敗しました。ファイルが存在しない可能性があります。\n(" +
                        std::string(path) + ")",
                    MessageIcon::kStop);
    return -1;
  }
  std::string_view rest = *read.value;
  std::size_t lineNumber = 0;
  while (!rest.empty() && lineNumber < kRelatedMaximumLines) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;
    std::size_t separator = line.find(":::");
    std::string_view label =
        separator == std::string_view::npos ? std::string_view() : line.substr(0, separator);
    std::string_view value = separator == std::string_view::npos ? line : line.substr(separator + 3);
    value = value.substr(0, std::min(value.size(), kMaxValueBytes));
    std::string preview = MakePreview(value);
    TabRow row;
    row.columns.resize(static_cast<std::size_t>(columnCount()));
    row.columns[col::kLabel] = std::string(label);
    row.columns[col::kValue] = settings_.KaigyoTabDsp == 1 ? ShowBreaksAndTabs(preview) : preview;
    row.columns[col::kReadOrder] = Eight(lineNumber);
    row.columns[col::kSize] = Eight(value.size());
    row.columns[col::kRealValue] = std::string(value);
    insertRow(rowCount(), std::move(row));
  }
  sortAgain();
  return 0;
}

int CRelatedList::getValue(int row, std::string& value) {
  value.clear();
  if (row < 0 || row >= rowCount()) return -1;
  value = text(row, col::kRealValue);
  return 0;
}

MenuModel CRelatedList::loadMenu(const TabMenuContext& context) {
  MenuModel menu = RelatedMenuPattern();
  InsertGroupSubmenus(menu, context);
  PrepareTabMenu(menu, context);
  return menu;
}

}  // namespace qb
