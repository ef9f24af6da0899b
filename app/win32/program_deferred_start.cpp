// The part of the start that can wait until the program takes clipboard texts: the settings files
// written back, the contents of the History's items, the Save tab's items, the clean-up of
// writes a crash cut short.
#include "app/win32/program.h"
#include "history/store_folders.h"

namespace qb {
namespace {

// Item files read per turn of the message loop (a few milliseconds of work).
constexpr int kContentsPerTurn = 50;

}  // namespace

void Program::scheduleDeferredStart(const DataHome& home, const DateTime& startedAt) {
  deferred_.add([this] {
    showTrayIcon();
    return false;
  });
  deferred_.add([this] {
    settingsHome_->saveAtStart();  // a failure asks the window to close
    return false;
  });
  deferred_.add([this] {
    if (history_->loadContents(kContentsPerTurn) != 0) return false;
    refreshList();
    return history_->contentsPending();
  });
  deferred_.add([this] {
    saveAndRelated_->loadSaveList();
    refreshList();
    return false;
  });
  deferred_.add([this, dataHome = home.folder, startedAt] {
    RemoveInterruptedWritesInStores(fs_, dataHome, startedAt);
    return false;
  });
  deferred_.pauseWhile([this] { return ui_.isBusy(); });
  deferred_.start();
}

}  // namespace qb
