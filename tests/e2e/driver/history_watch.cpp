#include "tests/e2e/driver/history_watch.h"

#include <windows.h>

#include <algorithm>

#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

bool holdsValue(const std::string& content, const std::string& value) {
  const auto record = splitHistoryRecord(content);
  return record && record->value == value;
}

}  // namespace

std::string ownerName() {
  wchar_t name[257] = {};
  DWORD length = ARRAYSIZE(name);
  if (!GetUserNameW(name, &length)) return "Default";
  return toShiftJis(name);
}

std::string waitForHistoryItem(const std::wstring& folder, const std::wstring& name,
                               const std::string& value) {
  const std::wstring path = folder + L"\\" + name;
  std::string content;
  waitFor(toUtf8(name) + " holding " + quotedShiftJis(value), kStandardLimitMs,
          [&] {
            const auto read = readUnshifted(path);
            if (read) content = *read;
            return read && holdsValue(content, value);
          },
          [&] { return describeHistoryFolder(folder); });
  return content;
}

std::wstring waitForNewHistoryItem(const std::wstring& folder,
                                   const std::vector<std::wstring>& before,
                                   const std::string& value) {
  std::wstring found;
  waitFor("a new history file holding " + quotedShiftJis(value), kStandardLimitMs,
          [&] {
            for (const auto& name : historyFileNames(folder)) {
              if (std::find(before.begin(), before.end(), name) != before.end()) continue;
              const auto content = readUnshifted(folder + L"\\" + name);
              if (content && holdsValue(*content, value)) {
                found = name;
                return true;
              }
            }
            return false;
          },
          [&] { return describeHistoryFolder(folder); });
  return found;
}

void expectFreshRecord(const std::wstring& name, const std::string& content,
                       const std::string& value) {
  const std::string problem = freshRecordProblem(content, ownerName(), value);
  expect(problem.empty(), toUtf8(name) + " " + quotedShiftJis(content) + ": " + problem);
}

}  // namespace qb::e2e
