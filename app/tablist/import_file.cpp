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
      std::string errorText;
      if (ReadWholeFile(fs, path, value, errorText) != 0) {
        ui.showMessage("ﾌｧｲﾙの読み込みに失敗しました(m_ImportFile)\n" + errorText,
                       MessageIcon::kStop);
        return -1;
      }
      if (value.size() > kMaxValueBytes) value.resize(kMaxValueBytes);
      return 0;
    }
  }
  return -1;
}

}  // namespace qb
