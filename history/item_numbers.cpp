#include "history/item_numbers.h"

#include <algorithm>
#include <cstdio>

#include "base/numbers.h"
#include "history/file_helpers.h"

namespace qb {
namespace {

constexpr std::size_t kCompareBytes = 30;
constexpr std::size_t kPrefixBytes = 4;

std::string_view Head(std::string_view text) { return text.substr(0, std::min(text.size(), kCompareBytes)); }

std::string Padded(const char* format, int number) {
  char text[16];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The lowest number from 1 that is not in `used` (numbers outside 1..used.size() are ignored).
int LowestUnused(const std::vector<int>& numbers) {
  std::vector<bool> used(numbers.size() + 2, false);
  for (int number : numbers) {
    if (number >= 1 && static_cast<std::size_t>(number) < used.size()) used[number] = true;
  }
  int lowest = 1;
  while (used[static_cast<std::size_t>(lowest)]) ++lowest;
  return lowest;
}

DateTime WholeSeconds(DateTime time) {
  time.millisecond = 0;
  return time;
}

}  // namespace

std::string FourDigitNumberPart(std::string_view fileName) {
  std::string_view prefix = fileName.substr(0, std::min(fileName.size(), kPrefixBytes));
  std::string_view rest = fileName.size() > kPrefixBytes ? fileName.substr(kPrefixBytes) : "";
  if (prefix == "CLIP" || prefix == "PLAN" || prefix == "STAK") {
    return "0" + std::string(rest.substr(0, std::min<std::size_t>(rest.size(), 3)));
  }
  return std::string(rest.substr(0, std::min<std::size_t>(rest.size(), 4)));
}

int ItemNumberOf(std::string_view fileName) {
  std::string digits = FourDigitNumberPart(fileName);
  return AllDigits(digits) ? ParseLeadingInt(digits) : 0;
}

ItemNumberChoice ChooseItemNumber(const std::vector<NumberedRow>& rows, int maximum,
                                  const std::vector<int>& takenElsewhere) {
  if (maximum > 0 && static_cast<int>(rows.size()) >= maximum && !rows.empty()) {
    // The least recently written; of equal times the first in row order.
    const NumberedRow* oldest = &rows.front();
    for (const NumberedRow& row : rows) {
      if (Head(row.updated) < Head(oldest->updated)) oldest = &row;
    }
    return {ItemNumberOf(oldest->fileName), oldest->row};
  }
  std::vector<int> numbers = takenElsewhere;
  numbers.reserve(numbers.size() + rows.size());
  for (const NumberedRow& row : rows) numbers.push_back(ItemNumberOf(row.fileName));
  return {LowestUnused(numbers), -1};
}

int NextFolderItemNumber(const std::vector<FileEntry>& files, Ui& ui, int maximum) {
  if (static_cast<int>(files.size()) >= maximum) {
    ui.showMessage("指定された保存場所は最大数に達しています", MessageIcon::kInformation);
    return -1;
  }
  std::vector<std::string> names;
  for (const FileEntry& file : files) names.push_back(file.name);
  std::sort(names.begin(), names.end());
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string_view name = names[i];
    std::string_view digits = name.size() > kPrefixBytes ? name.substr(kPrefixBytes, 3) : "";
    int expected = static_cast<int>(i) + 1;
    if (digits != Padded("%03d", expected)) return expected;
  }
  return static_cast<int>(names.size()) + 1;
}

int NextFolderItemNumber(FileSystem& fs, Ui& ui, std::string_view folder, int maximum) {
  return NextFolderItemNumber(fs.list(std::string(folder) + "\\*.cln"), ui, maximum);
}

int m_MaxUpdateDateDel(FileSystem& fs, Ui& ui, std::string_view folder,
                       std::vector<FileEntry>& files, int maximum) {
  if (static_cast<int>(files.size()) < maximum || files.empty()) return 0;
  // Whole seconds, as the times are compared in their "%Y%m%d%H%M%S" form; the first of equals.
  auto oldest = std::min_element(files.begin(), files.end(),
                                 [](const FileEntry& a, const FileEntry& b) {
                                   return WholeSeconds(a.lastWritten) < WholeSeconds(b.lastWritten);
                                 });
  const std::string path = std::string(folder) + "\\" + oldest->name;
  if (DeleteMatchingFiles(fs, path) != 0 || PathExists(fs, path)) {
    ui.showMessage("ﾌｧｲﾙの削除に失敗しました(m_MaxUpdateDateDel)", MessageIcon::kStop);
    return -1;
  }
  files.erase(oldest);
  return 0;
}

int m_MaxUpdateDateDel(FileSystem& fs, Ui& ui, std::string_view folder, std::string_view pattern,
                       int maximum) {
  std::vector<FileEntry> files = fs.list(std::string(folder) + "\\" + std::string(pattern));
  return m_MaxUpdateDateDel(fs, ui, folder, files, maximum);
}

}  // namespace qb
