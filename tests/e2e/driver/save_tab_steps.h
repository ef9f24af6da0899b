// What the Save tab scenarios check: the save item files of a group and the labels of the rows.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/quillbox_under_test.h"

namespace qb::e2e {

// data home + "ラベル付き格納" + "%02d" + "\CLIP%03d.cln".
std::wstring saveItemPath(const std::wstring& dataHome, int group, int number);
// Waits until item `number` of `group` holds exactly `record` (Shift-JIS), or is gone (nullopt).
void waitForSaveItem(const std::wstring& dataHome, int group, int number,
                     const std::optional<std::string>& record);
// Waits until the label column of the list shows exactly these rows.
void waitForLabels(HWND mainWindow, const std::vector<std::wstring>& labels);

}  // namespace qb::e2e
