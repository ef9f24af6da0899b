// Choosing the number of a new item file, and keeping a folder below its maximum.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

// One row of the list a new item goes into.
struct NumberedRow {
  std::string fileName;  // "ﾌｧｲﾙ名", up to 30 bytes used
  std::string updated;   // "更新日時", up to 30 bytes used
  int row = 0;
};

struct ItemNumberChoice {
  int number = 1;
  int rowToDelete = -1;  // the least recently written row, when the list is full
};

// With `maximum` rows or more: the least recently written row goes and its number is reused.
// Else the lowest number that neither a row's file nor a file in `takenElsewhere` (files of the
// folder the list does not show) has. Linear in the rows: nothing is sorted.
ItemNumberChoice ChooseItemNumber(const std::vector<NumberedRow>& rows, int maximum,
                                  const std::vector<int>& takenElsewhere = {});

// The number part of an item file name as four characters: "0" + the three digits after the
// prefixes "CLIP", "PLAN" and "STAK"; the four characters after any other prefix.
std::string FourDigitNumberPart(std::string_view fileName);
// The number of an item file name ("SAVE0012.cln" gives 12); 0 when the name has none.
int ItemNumberOf(std::string_view fileName);

// The number for a new file in a folder the list does not show: the lowest gap in the
// three-digit numbers, or count + 1. -1 after "指定された保存場所は最大数に達しています"
// (information) when the folder holds `maximum` files already.
int NextFolderItemNumber(FileSystem& fs, Ui& ui, std::string_view folder, int maximum);
// The same for a listing already made.
int NextFolderItemNumber(const std::vector<FileEntry>& files, Ui& ui, int maximum);

// When the folder holds `maximum` files matching the pattern, deletes the one written longest
// ago. 0, or -1 after "ﾌｧｲﾙの削除に失敗しました(m_MaxUpdateDateDel)".
int m_MaxUpdateDateDel(FileSystem& fs, Ui& ui, std::string_view folder, std::string_view pattern,
                       int maximum);
// The same for a listing of the folder already made; the deleted file leaves `files`.
int m_MaxUpdateDateDel(FileSystem& fs, Ui& ui, std::string_view folder,
                       std::vector<FileEntry>& files, int maximum);

}  // namespace qb
