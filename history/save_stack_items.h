// The save and stack item files: records and writing, without their tab lists.
//   save  "CLIP%03d.cln", plain: label ":::0:::0:::" value
//   stack "STAK%03d.cln", plain: "00000000" ":::" sequence ":::" label ":::0:::0:::" value
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "history/sequence_counter.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kSaveGroupMaximum = 100;
inline constexpr int kStackGroupMaximum = 200;

std::string BuildSaveRecord(std::string_view label, std::string_view value);
std::string BuildStackRecord(std::string_view sequence, std::string_view label,
                             std::string_view value);
std::string SaveFileName(int number);   // "CLIP%03d.cln"
std::string StackFileName(int number);  // "STAK%03d.cln"

// Save items. A failed write or time change shows its message and asks the main window to close.
class SaveItemWriter {
 public:
  SaveItemWriter(FileSystem& fs, Clock& clock, Ui& ui, std::function<void()> requestClose);

  // Writes item `number` into `folder` and sets its creation time to now. 0 or -1.
  int write(std::string_view folder, int number, std::string_view label, std::string_view value);
  // Into a group folder the Save list does not show: the lowest free number; -1 when the folder
  // is full (after the information box) or the write failed.
  int writeToFolder(std::string_view folder, std::string_view label, std::string_view value);

 private:
  int fail(std::string_view message);

  FileSystem& fs_;
  Clock& clock_;
  Ui& ui_;
  std::function<void()> requestClose_;
};

// Stack items: a full group first loses its item written longest ago.
class StackItemWriter {
 public:
  StackItemWriter(FileSystem& fs, Clock& clock, Ui& ui) : fs_(fs), clock_(clock), ui_(ui) {}

  // 0 and the new file's name, or -1 after the message.
  int store(std::string_view folder, std::string_view label, std::string_view value,
            std::string* fileName = nullptr);

 private:
  FileSystem& fs_;
  Clock& clock_;
  Ui& ui_;
  SequenceCounter sequence_;
};

}  // namespace qb
