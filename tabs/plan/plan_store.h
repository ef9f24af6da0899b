// The plan groups on disk: data home + "Plan\PlanDir" + "%02d", ten folders of at most 100
// byte-shifted "PLAN%03d.cln" files. The store reports failures to its caller and shows no
// message itself; the Plan tab, the routes and the installer word them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "platform/file_system.h"
#include "tabs/plan/plan_item.h"

namespace qb {

inline constexpr int kPlanGroupCount = 10;

struct PlanFileInfo {
  std::string fileName;
  std::string name;
  DateTime created;
  DateTime updated;
  std::uint64_t textSize = 0;  // bytes of the plan text
};

class PlanStore {
 public:
  // `dataHome` ends in a backslash.
  PlanStore(FileSystem& fs, std::string dataHome);

  std::string folder(int group) const;
  std::string path(int group, std::string_view fileName) const;

  // The plans of a group, newest first (the order of the Plan tab, the menus and the popup
  // menu). Files that cannot be read, or hold no plan record, are left out; their names go to
  // `unreadable` when given.
  std::vector<PlanFileInfo> list(int group, std::vector<std::string>* unreadable = nullptr);
  // The ".cln" files of a group.
  int count(int group);

  // False when the file cannot be read or holds no plan record. File names with a folder part
  // ("..\x.cln", "C:x") are refused by every operation: they could name a file elsewhere.
  bool read(int group, std::string_view fileName, PlanItem& record);
  // A new file under the lowest number no file of the group has, created at `created`. Its name,
  // or nothing with `failure` set (a group of 100 files fails with kDirectoryFull).
  std::optional<std::string> add(int group, const PlanItem& record, const DateTime& created,
                                 FileError& failure);
  // Replaces the content, keeping the file's creation time.
  FileFailure replace(int group, std::string_view fileName, const PlanItem& record);
  FileFailure remove(int group, std::string_view fileName);
  FileFailure setCreated(int group, std::string_view fileName, const DateTime& created);

 private:
  FileSystem& fs_;
  std::string dataHome_;
};

}  // namespace qb
