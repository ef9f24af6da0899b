// The stored date-macro definitions: "sysd%04d.cln" files in the "macro" folder of the data
// home, each "0:::0:::0:::" followed by one whole date macro block.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kMaxSysdateDefinitions = 100;
inline constexpr char kSysdateRecordPrefix[] = "0:::0:::0:::";

struct SysdateDefinitions {
  std::array<std::string, kMaxSysdateDefinitions> macroTexts;
  std::array<std::string, kMaxSysdateDefinitions> fileNames;  // names only ("sysd0002.cln")
  int count = 0;  // entries in use, from index 0
};

// The three definitions stored when there are none.
extern const char* const kPresetSysdateDefinitions[3];

class SysdateStore {
 public:
  // `dataHome` ends in a backslash.
  SysdateStore(FileSystem& fs, Ui& ui, std::string dataHome);

  std::string folder() const { return dataHome_ + "macro"; }

  // Clears the lists and fills them from `startIndex` on, highest file name first. A file that
  // cannot be read is reported and left out. Always 0.
  int m_SysdateGet(SysdateDefinitions& definitions, int startIndex = 0);
  // Writes a definition; an empty name takes the lowest free number. 0 or -1 (reported).
  int m_SysdateSave(std::string_view fileName, std::string_view macroText);
  // Removes a definition file. 0 or -1 (reported).
  int remove(std::string_view fileName);
  // Stores the three presets, in order, when no definition exists. 0 or -1.
  int storePresetsIfEmpty();

  // "sysd%04d.cln" with the lowest number no stored definition uses.
  std::string nextFreeName();

 private:
  std::vector<std::string> storedNames();

  FileSystem& fs_;
  Ui& ui_;
  std::string dataHome_;
};

}  // namespace qb
