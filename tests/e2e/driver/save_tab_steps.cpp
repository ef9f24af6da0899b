#include "tests/e2e/driver/save_tab_steps.h"

#include <cstdio>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {

std::wstring saveItemPath(const std::wstring& dataHome, int group, int number) {
  wchar_t name[64];
  swprintf(name, 64, L"ラベル付き格納%02d\\CLIP%03d.cln", group, number);
  return dataHome + name;
}

void waitForSaveItem(const std::wstring& dataHome, int group, int number,
                     const std::optional<std::string>& record) {
  const std::wstring path = saveItemPath(dataHome, group, number);
  waitFor(toUtf8(path) + (record ? " to hold " + quotedShiftJis(*record) : " to be gone"),
          kStandardLimitMs, [&] { return readFileBytes(path) == record; },
          [&] { return quotedShiftJis(readFileBytes(path).value_or("<missing>")); });
}

void waitForLabels(HWND mainWindow, const std::vector<std::wstring>& labels) {
  HWND list = findListView(mainWindow);
  expect(list != nullptr, "the main window has no list");
  std::string wanted;
  for (const auto& label : labels) wanted += " [" + toUtf8(label) + "]";
  waitFor("the rows" + wanted, kStandardLimitMs, [&] { return listColumn(list, 0) == labels; },
          [&] {
            std::string seen;
            for (const auto& label : listColumn(list, 0)) seen += " [" + toUtf8(label) + "]";
            return "rows:" + seen;
          });
}

}  // namespace qb::e2e
