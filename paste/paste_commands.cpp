#include "paste/paste_commands.h"

#include "app/tablist/menu_commands.h"

namespace qb {

namespace mc = menu_command;

bool RunPasteCommand(PasteEngine& engine, PasteSource& source, int command, bool directSend) {
  PasteFlags flags{true, false};
  PasteKind kind = PasteKind::kOrdinary;
  switch (command) {
    case mc::kPasteToDocument: break;
    case mc::kCopyToClipboard: flags = {false, false}; break;
    case mc::kPartialSelection: flags = {directSend, true}; break;
    case mc::kPasteTrimEnds: kind = PasteKind::kTrimmed; break;
    case mc::kPasteNoBlanks: kind = PasteKind::kSpacesRemoved; break;
    case mc::kPasteTabPerLine: kind = PasteKind::kLinesToTabs; break;
    case mc::kBulkPasteAbove: kind = PasteKind::kRowsAbove; break;
    case mc::kBulkPasteAboveBreaks: kind = PasteKind::kRowsAboveLines; break;
    case mc::kBulkPasteBelow: kind = PasteKind::kRowsBelow; break;
    case mc::kBulkPasteBelowBreaks: kind = PasteKind::kRowsBelowLines; break;
    default: return false;
  }
  engine.setPasteKind(kind);
  engine.pasteSelected(source, flags);
  return true;
}

}  // namespace qb
