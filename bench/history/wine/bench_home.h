// The data home the capture benchmark starts the program with: made fresh with a given number of
// History and Save items, and read back afterwards.
#pragma once
#include <string>
#include <vector>

#include "bench/history/wine/bench_texts.h"

namespace qb::bench {

// The logon name as the program uses it for item owners (ASCII here).
std::string OwnerName();

struct HomeContent {
  int historyItems = 0;  // SAVE0001.cln … written least recently first
  int saveItems = 0;     // CLIP001.cln … in ten groups of at most 100
  int maxFile = 500;     // "MaxFile=" in quillbox2.dat
  bool autoSave = true;  // "AutoSave="
};

// Removes the folder with everything in it, then writes the content. False on failure.
bool PrepareHome(const std::wstring& home, const HomeContent& content);
void RemoveTree(const std::wstring& folder);

std::wstring HistoryFolder(const std::wstring& home);
std::wstring HistoryFile(const std::wstring& home, int number);
// Every "*.cln" file of the History folder with its unshifted record checked.
std::vector<StoredItem> ReadHistory(const std::wstring& home);
// Leftovers of interrupted writes ("~qb*.tmp") in the data home and its item folders.
std::vector<std::wstring> TemporaryFiles(const std::wstring& home);

}  // namespace qb::bench
