#include "history/item_numbers.h"

#include <algorithm>
#include <cstdio>

#include "base/numbers.h"
#include "base/time_format.h"
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

int NumberInName(std::string_view fileName) {
  return fileName.size() > kPrefixBytes ? ParseLeadingInt(fileName.substr(kPrefixBytes)) : 0;
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

ItemNumberChoice ChooseItemNumber(std::vector<NumberedRow> rows, int maximum) {
  if (maximum > 0 && static_cast<int>(rows.size()) >= maximum) {
    // Least recently written first; equal times keep the row order.
    std::stable_sort(rows.begin(), rows.end(), [](const NumberedRow& a, const NumberedRow& b) {
      return Head(a.updated) < Head(b.updated);
    });
    return {NumberInName(rows.front().fileName), rows.front().row};
  }
  std::stable_sort(rows.begin(), rows.end(), [](const NumberedRow& a, const NumberedRow& b) {
    return Head(a.fileName) < Head(b.fileName);
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    int expected = static_cast<int>(i) + 1;
    if (FourDigitNumberPart(rows[i].fileName) != Padded("%04d", expected)) return {expected, -1};
  }
  return {static_cast<int>(rows.size()) + 1, -1};
}

int NextFolderItemNumber(FileSystem& fs, Ui& ui, std::string_view folder, int maximum) {
  std::vector<FileEntry> files = fs.list(std::string(folder) + "\\*.cln");
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

int m_MaxUpdateDateDel(FileSystem& fs, Ui& ui, std::string_view folder, std::string_view pattern,
                       int maximum) {
  std::vector<FileEntry> files = fs.list(std::string(folder) + "\\" + std::string(pattern));
  if (static_cast<int>(files.size()) < maximum || files.empty()) return 0;
  std::stable_sort(files.begin(), files.end(), [](const FileEntry& a, const FileEntry& b) {
    return TimeStamp14(a.lastWritten) < TimeStamp14(b.lastWritten);
  });
  if (DeleteMatchingFiles(fs, std::string(folder) + "\\" + files.front().name) != 0 ||
      PathExists(fs, std::string(folder) + "\\" + files.front().name)) {
    ui.showMessage("ﾌｧｲﾙの削除に失敗しました(m_MaxUpdateDateDel)", MessageIcon::kStop);
    return -1;
  }
  return 0;
}

}  // namespace qb
