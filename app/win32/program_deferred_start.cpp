// The part of the start that can wait until the program takes clipboard texts: the tray icon,
// the LAN links,
// the contents of the History's items, the clean-up of writes a crash cut short.
#include "app/win32/command_line.h"
#include "app/win32/program.h"
#include "history/store_folders.h"

namespace qb {
namespace {

// Item files read per turn of the message loop (a few milliseconds of work).
constexpr int kContentsPerTurn = 50;

}  // namespace

void Program::scheduleDeferredStart(const DataHome& home, const DateTime& startedAt) {
  deferred_.add([this] {
    startTray();
    lan_->start();
    if (ParseCommandLine().show) callUp(call_up_source::kTray);
    return false;
  });
  deferred_.add([this] {
    if (history_->loadContents(kContentsPerTurn) != 0) return false;
    refreshList();
    return history_->contentsPending();
  });
  deferred_.add([this, dataHome = home.folder, startedAt] {
    RemoveInterruptedWritesInStores(fs_, dataHome, startedAt);
    return false;
  });
  deferred_.start();
}

}  // namespace qb
