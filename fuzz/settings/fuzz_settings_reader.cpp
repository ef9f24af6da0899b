// Feeds arbitrary bytes to the settings reader as one of the three settings files. Whatever the
// content, loading and saving must not crash, the saved file must hold every key, and loading and
// saving the saved file again must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings/settings_files.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fixed_system_info.h"
#include "platform/fake/scripted_ui.h"

namespace {

constexpr std::string_view kHome = "C:\\data\\";

qb::SettingsFile& Pick(qb::SettingsFiles& files, std::uint8_t selector) {
  switch (selector % 3) {
    case 0: return files.environmentFile();
    case 1: return files.relatedFilesFile();
    default: return files.planHotkeysFile();
  }
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Built once: every load starts afresh, so the objects can serve all inputs.
  static qb::FakeClock clock;
  static qb::FakeFileSystem fs{clock};
  static qb::ScriptedUi ui;
  static qb::FixedSystemInfo system;
  static qb::SettingsFiles files(fs, ui, system, kHome, [] {});
  static const bool homeMade = (fs.putFolder(kHome), true);
  (void)homeMade;
  fs.clearCalls();
  ui.clear();
  qb::SettingsFile& file = Pick(files, data[0]);
  const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
  fs.putFile(file.path(), content);

  if (file.load() != 0) {
    // Only a newer version refuses; such a file stays as it was.
    Require(file.writeBlocked());
    Require(file.save() == 0 && fs.contentOf(file.path()) == content);
    return 0;
  }
  Require(file.save() == 0);
  const std::string saved = fs.contentOf(file.path()).value_or("");
  for (const qb::BoundKey& key : file.keys().keys()) Require(file.lookup(key.key) != 99999);
  Require(file.lines().size() == file.keys().keys().size());

  Require(file.load() == 0 && file.save() == 0);
  Require(fs.contentOf(file.path()).value_or("") == saved);
  return 0;
}
