#include "bench/history/wine/bench_home.h"

#include <windows.h>

#include <cstdio>

#include "app/settings/settings_version.h"

namespace qb::bench {
namespace {

std::string Shifted(std::string bytes, int by) {
  for (char& c : bytes) c = static_cast<char>(static_cast<unsigned char>(c) + by);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::string ReadFileBytes(const std::wstring& path, bool& ok) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ok = file != INVALID_HANDLE_VALUE;
  std::string bytes;
  if (!ok) return bytes;
  char chunk[65536];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

// Local wall-clock time in 2020 plus `seconds`, as a file time.
FILETIME TimeInTheYear2020(int seconds) {
  SYSTEMTIME base{2020, 1, 3, 1, 0, 0, 0, 0};
  FILETIME local;
  SystemTimeToFileTime(&base, &local);
  ULARGE_INTEGER ticks{{local.dwLowDateTime, local.dwHighDateTime}};
  ticks.QuadPart += static_cast<unsigned long long>(seconds) * 10000000ull;
  FILETIME shifted{ticks.LowPart, ticks.HighPart};
  FILETIME utc;
  LocalFileTimeToFileTime(&shifted, &utc);
  return utc;
}

void SetWriteTime(const std::wstring& path, const FILETIME& time) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  SetFileTime(file, &time, nullptr, &time);
  CloseHandle(file);
}

std::wstring Numbered(const wchar_t* format, int number) {
  wchar_t text[64];
  std::swprintf(text, 64, format, number);
  return text;
}

void AddMatches(const std::wstring& folder, std::vector<std::wstring>& found) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((folder + L"\\~qb*.tmp").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do found.push_back(folder + L"\\" + data.cFileName);
  while (FindNextFileW(search, &data));
  FindClose(search);
}

}  // namespace

std::string OwnerName() {
  wchar_t name[256];
  DWORD size = 256;
  if (!GetUserNameW(name, &size)) return "Default";
  std::string owner;
  for (const wchar_t* c = name; *c; ++c) owner.push_back(static_cast<char>(*c));
  return owner;
}

std::wstring HistoryFolder(const std::wstring& home) { return home + L"\\clipsave"; }

std::wstring HistoryFile(const std::wstring& home, int number) {
  return HistoryFolder(home) + Numbered(L"\\SAVE%04d.cln", number);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &data));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

bool PrepareHome(const std::wstring& home, const HomeContent& content) {
  RemoveTree(home);
  if (!CreateDirectoryW(home.c_str(), nullptr)) return false;
  // A data home that a run of this version left: its settings carry the version, so the start
  // is an ordinary one (a file without it is a first start, which installs the standard plans).
  const std::string settings =
      "\"" + std::string(kVersionKey) + "\",\"" + std::string(kSettingsVersion) + "\",\"x\"\r\n" +
      "\"MaxFile=\",\"" + std::to_string(content.maxFile) + "\",\"x\"\r\n" +
      "\"AutoSave=\",\"" + std::string(content.autoSave ? "1" : "0") + "\",\"x\"\r\n";
  if (!WriteFileBytes(home + L"\\quillbox2.dat", settings)) return false;
  if (!CreateDirectoryW(HistoryFolder(home).c_str(), nullptr)) return false;
  const std::string owner = OwnerName();
  for (int n = 1; n <= content.historyItems; ++n) {
    const std::string record = "00000000:::" + owner + ":::001: :::0:::" +
                               MakeBenchText("history" + std::to_string(n), 60 + n % 200);
    const std::wstring path = HistoryFile(home, n);
    if (!WriteFileBytes(path, Shifted(record, 1))) return false;
    SetWriteTime(path, TimeInTheYear2020(n));  // SAVE0001 is the least recently written
  }
  // Every store folder, as a run of the program leaves them.
  for (const wchar_t* folder : {L"\\macro", L"\\Plan", L"\\Plan\\PlanDataHome", L"\\Stack"}) {
    if (!CreateDirectoryW((home + folder).c_str(), nullptr)) return false;
  }
  for (int group = 0; group < 10; ++group) {
    for (const wchar_t* format : {L"\\ラベル付き格納%02d", L"\\Plan\\PlanDir%02d", L"\\Stack\\StackDir%02d"}) {
      if (!CreateDirectoryW((home + Numbered(format, group)).c_str(), nullptr)) return false;
    }
  }
  for (int n = 0; n < content.saveItems; ++n) {
    const std::wstring group = home + Numbered(L"\\ラベル付き格納%02d", n / 100);
    const std::string record = "label" + std::to_string(n) + ":::0:::0:::" +
                               MakeBenchText("save" + std::to_string(n), 80);
    if (!WriteFileBytes(group + Numbered(L"\\CLIP%03d.cln", n % 100 + 1), record)) return false;
  }
  return true;
}

std::vector<StoredItem> ReadHistory(const std::wstring& home) {
  std::vector<StoredItem> items;
  const std::string owner = OwnerName();
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((HistoryFolder(home) + L"\\*.cln").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return items;
  do {
    StoredItem item;
    for (const wchar_t* c = data.cFileName; *c; ++c) item.fileName.push_back(static_cast<char>(*c));
    bool read = false;
    const std::string record =
        Shifted(ReadFileBytes(HistoryFolder(home) + L"\\" + data.cFileName, read), -1);
    if (read) {
      if (std::optional<std::string> value = ValueOfRecord(record, owner)) {
        item.value = *value;
        item.whole = IsWholeBenchText(item.value);
      }
    }
    items.push_back(std::move(item));
  } while (FindNextFileW(search, &data));
  FindClose(search);
  return items;
}

std::vector<std::wstring> TemporaryFiles(const std::wstring& home) {
  std::vector<std::wstring> found;
  AddMatches(home, found);
  AddMatches(HistoryFolder(home), found);
  for (int group = 0; group < 10; ++group) {
    AddMatches(home + Numbered(L"\\ラベル付き格納%02d", group), found);
    AddMatches(home + Numbered(L"\\Stack\\StackDir%02d", group), found);
  }
  return found;
}

}  // namespace qb::bench
