// Writes captured texts as history item files in data home + "clipsave". A new item takes the
// lowest free number; its file holds the byte-shifted history record and its creation time is the
// time of the store.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "history/sequence_counter.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

class HistoryItemStore {
 public:
  // `requestClose` asks the main window to close (file failures end the program in order).
  HistoryItemStore(FileSystem& fs, Clock& clock, Ui& ui, std::string dataHome, std::string owner,
                   std::function<void()> requestClose);

  // Creates the history folder when it is missing. 0, or -1 after the message.
  int open();
  // Stores one value. 0, or -1 after the message and the close request.
  int add(std::string_view value, std::string_view label);

  const std::string& folder() const { return folder_; }

 private:
  int lowestFreeNumber();
  int fail(std::string_view message);

  FileSystem& fs_;
  Clock& clock_;
  Ui& ui_;
  std::string folder_;
  std::string owner_;
  std::function<void()> requestClose_;
  SequenceCounter sequence_;
};

}  // namespace qb
