#include "tests/e2e/driver/plan_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

std::vector<std::wstring> planFileNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\PLAN*.cln").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::wstring nameOf(const std::wstring& path) {
  std::string record = readUnshifted(path).value_or("");
  return fromShiftJis(record.substr(0, record.find(":::")));
}

}  // namespace

std::wstring planGroupFolder(const std::wstring& dataHome, int group) {
  wchar_t name[32];
  std::swprintf(name, 32, L"Plan\\PlanDir%02d", group);
  std::wstring folder = dataHome;
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder + name;
}

std::vector<std::wstring> planNamesOnDisk(const std::wstring& dataHome, int group) {
  const std::wstring folder = planGroupFolder(dataHome, group);
  std::vector<std::wstring> names;
  for (const std::wstring& file : planFileNames(folder)) names.push_back(nameOf(folder + L"\\" + file));
  return names;
}

std::wstring planFileNamed(const std::wstring& dataHome, int group, const std::wstring& name) {
  const std::wstring folder = planGroupFolder(dataHome, group);
  for (const std::wstring& file : planFileNames(folder)) {
    if (nameOf(folder + L"\\" + file) == name) return file;
  }
  return {};
}

}  // namespace qb::e2e
