// One settings file of the data home: loading it into the fields of its key list and saving it,
// with the messages users see.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "app/settings/bound_key_list.h"
#include "app/settings/loaded_line_table.h"
#include "app/settings/settings_version.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

// Asks the main window to close, so that the program ends by its ordinary shutdown.
using CloseRequest = std::function<void()>;

// The texts that differ from file to file.
struct SettingsFileTexts {
  std::string_view fileName;           // "quillbox2.dat"
  std::string_view readFailure;        // shown when the file cannot be read
  std::string_view writeFailure;       // shown when the file cannot be written
  std::string_view unknownKeyMessage;  // followed by the key and "]"
};

// "Quillboxのバージョンが古くなっています。…" for a file of a newer release.
extern const std::string_view kNewerSettingsMessage;

class SettingsFile {
 public:
  SettingsFile(FileSystem& fs, Ui& ui, CloseRequest requestClose, std::string path,
               const SettingsFileTexts& texts, BoundKeyList keys, VersionState& version);

  // Reads the file (creating it empty when missing) into the fields; keys the file lacks take
  // their defaults and gain lines. 0, or -1 after the message: the file cannot be read, or it is
  // from a newer release (then it is never written and the close request is posted).
  int load();

  // Rewrites the whole file from the line table and the current field values; lines with an
  // unknown key are left out, each with its message, and so are repeated lines of one key; both
  // leave the table, which then matches the file. Nothing happens unless
  // the file was loaded. 0, or -1 after the message and the close request when writing fails.
  int save();

  // Index of the line with exactly this key, or LoadedLineTable::kNotFound (99999).
  int lookup(std::string_view key) const { return lines_.find(key); }

  bool loaded() const { return loaded_; }
  bool writeBlocked() const { return writeBlocked_; }
  const std::string& path() const { return path_; }
  const LoadedLineTable& lines() const { return lines_; }
  const BoundKeyList& keys() const { return keys_; }

 private:
  bool readContent(std::string& text);

  FileSystem& fs_;
  Ui& ui_;
  CloseRequest requestClose_;
  std::string path_;
  SettingsFileTexts texts_;
  BoundKeyList keys_;
  VersionState& version_;
  LoadedLineTable lines_;
  bool loaded_ = false;
  bool writeBlocked_ = false;
};

}  // namespace qb
