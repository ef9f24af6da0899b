#include "app/settings/settings_file.h"

#include "app/settings/settings_reader.h"
#include "app/settings/settings_writer.h"
#include "history/file_helpers.h"

namespace qb {

const std::string_view kNewerSettingsMessage =
    "Quillboxのバージョンが古くなっています。\n"
    "アンインストール後にクリーンインストールを行うか、最新のバージョンをインストールしてください。";

SettingsFile::SettingsFile(FileSystem& fs, Ui& ui, CloseRequest requestClose, std::string path,
                           const SettingsFileTexts& texts, BoundKeyList keys,
                           VersionState& version)
    : fs_(fs),
      ui_(ui),
      requestClose_(std::move(requestClose)),
      path_(std::move(path)),
      texts_(texts),
      keys_(std::move(keys)),
      version_(version) {}

bool SettingsFile::readContent(std::string& text) {
  if (!fs_.attributes(path_) && fs_.writeNew(path_, "")) return false;
  std::string errorText;
  return ReadWholeFile(fs_, path_, text, errorText) == 0;
}

int SettingsFile::load() {
  loaded_ = false;
  writeBlocked_ = false;
  lines_ = LoadedLineTable();
  std::string text;
  if (!readContent(text)) {
    ui_.showMessage(texts_.readFailure, MessageIcon::kStop);
    return -1;
  }
  lines_.load(text);
  if (ReadSettings(lines_, keys_, version_) == ReadOutcome::kNewerVersion) {
    writeBlocked_ = true;
    ui_.showMessage(kNewerSettingsMessage, MessageIcon::kStop);
    if (requestClose_) requestClose_();
    return -1;
  }
  loaded_ = true;
  return 0;
}

int SettingsFile::save() {
  if (!loaded_ || writeBlocked_) return 0;
  ComposedSettings composed = ComposeSettingsText(lines_, keys_);
  for (const std::string& key : composed.unknownKeys) {
    ui_.showMessage(std::string(texts_.unknownKeyMessage) + key + "]", MessageIcon::kStop);
  }
  lines_.keepOnly(composed.writtenLines);
  if (fs_.replaceAtomically(path_, composed.text)) {
    ui_.showMessage(texts_.writeFailure, MessageIcon::kStop);
    if (requestClose_) requestClose_();
    return -1;
  }
  return 0;
}

}  // namespace qb
