// Feeds arbitrary bytes as a linked related file and as a Save item file, read as the tabs read
// them, and as a value opened in the change dialog. Nothing may crash; at most 5000 rows; a
// change dialog left alone gives back the stored value it was opened with when it read its macros.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tabs/related/related_list.h"
#include "tabs/save/change_dialog_model.h"
#include "tabs/save/save_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qb::FakeClock clock;
  static qb::FakeFileSystem fs{clock};
  static qb::ScriptedUi ui;
  static qb::EnvironmentSettings settings;
  static const bool made = (fs.putFolder("C:\\QB\\ラベル付き格納00"), true);
  (void)made;
  ui.clear();
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  fs.putFile("C:\\QB\\linked.txt", bytes);
  qb::CRelatedList lines(fs, ui, settings);
  lines.loadFile("C:\\QB\\linked.txt");
  if (lines.rowCount() > qb::kRelatedMaximumLines) std::abort();

  fs.putFile("C:\\QB\\ラベル付き格納00\\CLIP001.cln", bytes);
  qb::CSaveList save(fs, clock, ui, settings, qb::SaveStoreSetup{"C:\\QB\\", nullptr});
  save.load();
  std::string label;
  std::string value;
  if (save.rowCount() == 1 && save.readItem(0, label, value) == 0) {
    qb::MacroAnalyzer analyzer(ui, clock);
    qb::ChangeDialogModel model(ui, analyzer, label, value);
    if (model.macros().count > 0 && model.storedValue() != value) std::abort();
    model.removeMacroAt(model.text().size() / 2);
    model.insertSeparator(0, model.text().size() / 3);
  }
  return 0;
}
