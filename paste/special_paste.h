// The special paste kinds of the context menus: 1-3 change the value, 4-7 join rows.
#pragma once
#include <string>
#include <string_view>

#include "paste/paste_host.h"

namespace qb {

enum class PasteKind {
  kOrdinary = 0,
  kTrimmed = 1,          // white space at both ends removed
  kLinesToTabs = 2,      // each line break becomes a Tab key press
  kSpacesRemoved = 3,    // every space, full-width space, tab and CR LF removed
  kRowsAbove = 4,        // the selected row and all above it
  kRowsAboveLines = 5,   // as 4, each value followed by CR LF
  kRowsBelow = 6,        // the selected row and all below it
  kRowsBelowLines = 7,   // as 6, each value followed by CR LF
};

// The menu command of each special kind (1-7).
const char* SpecialPasteCommand(PasteKind kind);

bool IsBulkPaste(PasteKind kind);

std::string TrimForPaste(std::string_view value);
std::string RemoveAllSpaces(std::string_view value);
// Kind 2: lines joined by "<@@KEYIN><@TAB01/>300<@@/KEYIN>".
std::string LinesToTabMacros(std::string_view value);
// Kinds 4-7: the rows' whole values from the selected row up or down, cut to 512000 bytes.
std::string JoinRows(PasteSource& source, int selectedRow, PasteKind kind);

// The value of a paste of `kind` (ordinary and bulk kinds return it unchanged).
std::string ApplyValueKind(std::string_view value, PasteKind kind);

}  // namespace qb
