#include "app/tablist/import_file.h"

#include "base/sjis.h"
#include "base/text_limits.h"
#include "history/file_helpers.h"

namespace qb {

int ImportedValue(FileSystem& fs, Ui& ui, ImportKind kind, std::string_view path,
                  std::string& value) {
  value.clear();
  switch (kind) {
    case ImportKind::kFileName:
      value = std::string(SjisFileNamePart(path));
      return 0;
    case ImportKind::kFullPath:
      value = std::string(path);
      return 0;
    case ImportKind::kContents: {
      // Only what can be kept is read (one byte more tells whether the cut splits a character),
      // so a file of any size costs at most that much memory.
      std::string errorText;
      if (ReadFileHead(fs, path, kMaxValueBytes + 1, value, errorText) != 0) {
        ui.showMessage("ﾌｧｲﾙの読み込みに失敗しました(m_ImportFile)\n" + errorText,
                       MessageIcon::kStop);
        return -1;
      }
      if (value.size() > kMaxValueBytes) {
        value.resize(WholeCharacterPrefix(value, kMaxValueBytes).size());
      }
      return 0;
    }
  }
  return -1;
}

}  // namespace qb
